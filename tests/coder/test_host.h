// A minimal host for the output plug-in: it defines the data and routines the plug-in binds to
// and loads the plug-in's shared object with its entry points.
#ifndef TARVIK_TEST_HOST_H
#define TARVIK_TEST_HOST_H

#include <string>
#include <vector>

#include "tarvikcntl.h"

namespace tarvik::testhost {

struct message {
    std::string text;
    int flag;
};

std::vector<message> &messages();
sort_cntl_struct &control();
void set_output_file(int stream, const std::string &path);

struct output_plugin {
    int (*init)(int);
    int (*open)(int);
    int (*write)(int, void *, int);
    int (*close)(int);
    int (*flush)(int);
    int (*setpos)(int, int);
    int (*command)(int, char *);
};

// Loads the plug-in once; fails the calling test with the loader's message when it cannot.
const output_plugin *load_output_plugin(const char *path);

} // namespace tarvik::testhost

#endif

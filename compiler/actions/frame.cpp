// The frame of the generated program: its files, headers and event loop.
#include "actions/frame.h"

#include <cstdio>
#include <cstdlib>

#include "diagnostics.h"

namespace {

FILE *ccode_file = nullptr;
FILE *cdata_file = nullptr;
FILE *initdata_file = nullptr;

FILE *open_c_file(const char *name)
{
    FILE *file = std::fopen(name, "w");
    if (file == nullptr) {
        std::fprintf(yyerfp, "Tarvik Compiler: Cannot open file %s\n", name);
        std::exit(8);
    }
    return file;
}

} // namespace

void do_init()
{
    ccode_file = open_c_file("ccode.sort");
    cdata_file = open_c_file("cdata.sort");
    initdata_file = open_c_file("initdata.sort");
    // Placeholder: the fixed headers come with the generated program frame.
}

// Placeholders: the generated frame comes with the code generator.
void do_cginit() {}
void do_cominit() {}
void do_mainend() {}
void do_commend() {}
void do_trigger(int) {}
void do_trigger_word(const char *) {}
void do_trigger_end() {}

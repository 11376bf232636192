#include "test_host.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>

namespace {
sort_cntl_struct host_cntl;
}

extern "C" {
volatile sort_cntl_struct *sort_cntl = &host_cntl;
int discfd[TARVIK_MAX_STREAMS];
int output_handler_type;
void sort_message(const char *text, int flag) { tarvik::testhost::messages().push_back({text, flag}); }
}

namespace tarvik::testhost {

std::vector<message> &messages()
{
    static std::vector<message> log;
    return log;
}

sort_cntl_struct &control() { return host_cntl; }

void set_output_file(int stream, const std::string &path)
{
    char *name = host_cntl.output[stream - 1].data_record.file_name;
    std::memset(name, 0, sizeof host_cntl.output[0].data_record.file_name);
    std::strncpy(name, path.c_str(), sizeof host_cntl.output[0].data_record.file_name - 1);
}

template <class F> static bool bind(void *lib, const char *name, F &f)
{
    f = reinterpret_cast<F>(dlsym(lib, name));
    if (!f)
        ADD_FAILURE() << "entry point " << name << " missing: " << dlerror();
    return f != nullptr;
}

const output_plugin *load_output_plugin(const char *path)
{
    static output_plugin p;
    static bool loaded = false;
    if (loaded)
        return &p;
    void *lib = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!lib) {
        ADD_FAILURE() << "cannot load " << path << ": " << dlerror();
        return nullptr;
    }
    loaded = bind(lib, "output_handler_init", p.init) && bind(lib, "output_handler_open", p.open) &&
             bind(lib, "output_handler_write", p.write) && bind(lib, "output_handler_close", p.close) &&
             bind(lib, "output_handler_flush", p.flush) && bind(lib, "output_handler_setpos", p.setpos) &&
             bind(lib, "output_handler_command", p.command);
    return loaded ? &p : nullptr;
}

} // namespace tarvik::testhost

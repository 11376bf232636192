// Test fixture: loads a built input plug-in with dlopen and looks up its entry points, as the
// sort runtime will.
#pragma once

#include <dlfcn.h>

#include <string>

#include "tarvikinput.h"

struct input_plugin {
    void *handle = nullptr;
    std::string error;
    input_handler_init_fn init = nullptr;
    input_handler_open_fn open = nullptr;
    input_handler_read_fn read = nullptr;
    input_handler_read_fn dev_read = nullptr;
    input_handler_close_fn close = nullptr;
    input_handler_flush_fn flush = nullptr;
    input_handler_setpos_fn setpos = nullptr;
    input_handler_command_fn command = nullptr;
    eurogam_translator_init_fn translator_init = nullptr;
    eurogam_translator_fn translate = nullptr;
};

template <typename F>
bool bind_entry(input_plugin &p, F &fn, const char *name)
{
    fn = reinterpret_cast<F>(dlsym(p.handle, name));
    if (!fn)
        p.error = std::string("entry point ") + name + " missing";
    return fn != nullptr;
}

// Loads TARVIK_PLUGIN_DIR/name.so; on failure handle is null or error names the missing entry.
inline input_plugin load_input_plugin(const std::string &name)
{
    input_plugin p;
    std::string path = std::string(TARVIK_PLUGIN_DIR) + "/" + name + ".so";
    p.handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!p.handle) {
        p.error = dlerror();
        return p;
    }
    bind_entry(p, p.init, "input_handler_init") && bind_entry(p, p.open, "input_handler_open") &&
        bind_entry(p, p.read, "input_handler_read") && bind_entry(p, p.dev_read, "dev_read") &&
        bind_entry(p, p.close, "input_handler_close") && bind_entry(p, p.flush, "input_handler_flush") &&
        bind_entry(p, p.setpos, "input_handler_setpos") && bind_entry(p, p.command, "input_handler_command") &&
        bind_entry(p, p.translator_init, "eurogam_translator_init") &&
        bind_entry(p, p.translate, "eurogam_translator");
    return p;
}

// Fuzz target: arbitrary bytes as the configuration file; the reader never crashes, never writes
// past a table and answers 0 or -1.
#include <cstdlib>

#include "cf_path.h"
#include "fera_config.h"
#include "fuzz_input.h"
#include "plugin_trace.h"
#include "test_host.h"

const char variant[] = "Fuzz";

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static memory_file config;
    config.write(data, size);
    std::snprintf(cf_file, sizeof cf_file, "%s", config.path.c_str());
    int rc = cf_file_init();
    if (rc != 0 && rc != -1)
        std::abort();
    return 0;
}

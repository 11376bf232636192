// Fuzz target: arbitrary bytes as a disc run file, read by the Xsys record reader or the Eurogam
// block reader and every block translated. Reads never report more bytes than the buffer holds,
// and translation never fails. Input: a selector byte (bit 0: Afrodite, bit 1: group mode,
// bits 2-4: block length 32 << n), then the file.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "cf_path.h"
#include "disc_frame.h"
#include "eurogam_block_reader.h"
#include "fera_config.h"
#include "fera_translator.h"
#include "fuzz_input.h"
#include "plugin_trace.h"
#include "tarvikinput.h"
#include "test_host.h"
#include "xsys_record_reader.h"

const char variant[] = "Fuzz";
int event_block_length = 1024;

namespace {

const char *const config_text[2] = {
    "module adc 3 0 16 12 10\nmodule p1 4 1 16 12 20\nmodule hit 5 2 8 16 250\nmodule t3 6 3 14 16 60\n",
    "module adc 3 0 16 12 10\nmodule p1 4 1 16 12 20\nmodule hit 5 2 8 16 250\nmodule t3 6 3 14 16 60\n"
    "group 20 3:0 3:1 3:2\ngroup 21 3:3 id=3 3:4 3:5 3:6\ngroup 22 5:0 5:1 5:2 5:3 id=4 6:0 6:1 6:13\n"};

void configure(bool group_mode)
{
    static memory_file config[2];
    static bool written[2];
    if (!written[group_mode]) {
        config[group_mode].write(reinterpret_cast<const uint8_t *>(config_text[group_mode]),
                                 std::strlen(config_text[group_mode]));
        written[group_mode] = true;
    }
    std::snprintf(cf_file, sizeof cf_file, "%s", config[group_mode].path.c_str());
    if (cf_file_init() != 0)
        std::abort();
}

void translate_block(bool afrodite)
{
    std::vector<uint16_t> out(64 + TARVIK_MAX_TRANSLATED_EVENT_WORDS + TARVIK_TERMINATOR_WORDS);
    while ((afrodite ? afrodite_translate : xsys_translate)(1, out.data(), out.data() + 64) > 0) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static memory_file run;
    fuzz_input in{data, size};
    unsigned selector = in.byte();
    bool afrodite = selector & 1;
    test_host::reset();
    configure(selector & 2);
    event_block_length = 32 << (selector >> 2 & 7);
    run.write(in.data, in.size);
    test_host::set_input_file(1, run.path);
    if (disc_handler_open(1) != 0)
        std::abort();
    std::vector<char> buffer(static_cast<size_t>(event_block_length));
    for (int n, offset = 0; (n = (afrodite ? eurogam_blocks_read : xsys_records_read)(1, buffer.data(), &offset)) > 0;) {
        if (offset < 0 || offset + n > event_block_length)
            std::abort();
        test_host::queue_read_block(buffer.data(), offset, n);
        translate_block(afrodite);
    }
    disc_handler_close(1, false);
    return 0;
}

// Fuzz target: a configuration file and arbitrary blocks through the Fera translator in either
// framing. The output must always be sound Eurogam events, written within outend and the slack
// the host leaves after it. Input: a flags byte (bit 0: Afrodite framing, bits 1-3: room before
// outend), a 16-bit length and that many bytes of configuration, then blocks, each a 16-bit word
// count and its words.
#include <cstdlib>
#include <vector>

#include "cf_path.h"
#include "eurogam_events.h"
#include "fera_config.h"
#include "fera_translator.h"
#include "fuzz_input.h"
#include "plugin_trace.h"
#include "tarvikinput.h"
#include "test_host.h"

const char variant[] = "Fuzz";

namespace {

void queue_blocks(fuzz_input &in)
{
    while (in.size > 0) {
        unsigned nwords = in.word() % 2048;
        std::vector<uint16_t> block;
        for (unsigned i = 0; i < nwords && in.size > 0; i++)
            block.push_back(static_cast<uint16_t>(in.word()));
        test_host::queue_block(block);
    }
}

// Translates until the input is exhausted, checking every output area.
void translate_all(bool afrodite, int room)
{
    size_t area = static_cast<size_t>(room) + TARVIK_MAX_TRANSLATED_EVENT_WORDS + TARVIK_TERMINATOR_WORDS;
    for (int calls = 0; calls < 100000; calls++) {
        std::vector<uint16_t> out(area);
        int bytes = (afrodite ? afrodite_translate : xsys_translate)(1, out.data(), out.data() + room);
        if (bytes <= 0)
            return;
        datagen::eurogam_output o = datagen::unpack_eurogam(out.data(), bytes);
        if (!o.error.empty() || !o.terminated || static_cast<size_t>(bytes) > area * 2)
            std::abort();
    }
    std::abort(); // the translator kept returning output without consuming its input
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static memory_file config;
    fuzz_input in{data, size};
    test_host::reset();
    unsigned flags = in.byte();
    std::string text = in.take(in.word());
    config.write(reinterpret_cast<const uint8_t *>(text.data()), text.size());
    std::snprintf(cf_file, sizeof cf_file, "%s", config.path.c_str());
    cf_file_init();
    queue_blocks(in);
    translate_all(flags & 1, 1 << (flags >> 1 & 7));
    return 0;
}

// Afrodite events: no length word; an event runs to a 0xFFFF word, to the end of its block or
// until it has used its budget of words.
#include <cstdio>

#include "fera_decode.h"
#include "fera_translator.h"
#include "plugin_trace.h"
#include "tarvikcntl.h"
#include "translator_frame.h"

namespace {

constexpr int event_budget = 1024;

int next_afrodite_event(int stream, uint16_t *body, int *nwords)
{
    if (block_exhausted()) {
        int rc = fetch_block(stream);
        if (rc <= 0)
            return rc;
        if (block_exhausted()) {
            *nwords = 0;
            return 1;
        }
    }
    if (trace_above(4))
        std::printf("%s format: Event Inbuf %08x ... outbuf %08x\n", variant, trace_address(inptr),
                    trace_address(body - 2));
    word_cursor c{inptr, inend, event_budget, true};
    *nwords = decode_event(c, body);
    inptr = const_cast<uint16_t *>(c.next);
    return 1;
}

} // namespace

int afrodite_translate(int stream, uint16_t *out, uint16_t *outend)
{
    return translate_events(stream, out, outend, next_afrodite_event);
}

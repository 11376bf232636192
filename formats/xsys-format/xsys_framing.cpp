// Xsys events: a word with the event length in bytes, an event header word with bit 15 set, then
// the module readouts. Blocks whose first event header has an id above 200 are rejected.
#include <cstdio>

#include "fera_decode.h"
#include "fera_translator.h"
#include "plugin_trace.h"
#include "tarvikcntl.h"
#include "tarvikstats.h"
#include "translator_frame.h"

namespace {

constexpr int max_event_words = 256;
constexpr int max_block_event_id = 200;

// Fetches blocks until one passes the block check.
int fetch_checked_block(int stream)
{
    for (;;) {
        int rc = fetch_block(stream);
        if (rc <= 0)
            return rc;
        if (!block_exhausted() && inend - inptr >= 2 && (inptr[1] & 0xFF) <= max_block_event_id)
            return rc;
        badblocks++;
    }
}

// Moves inptr to the next word that is followed by a word with bit 15 set.
int find_event(int stream)
{
    for (;;) {
        if (block_exhausted()) {
            int rc = fetch_checked_block(stream);
            if (rc <= 0)
                return rc;
        }
        while (inptr + 1 < inend && !(inptr[1] & 0x8000))
            inptr++;
        if (inptr + 1 < inend)
            return 1;
        inptr = inend;
    }
}

int next_xsys_event(int stream, uint16_t *body, int *nwords)
{
    for (;;) {
        int rc = find_event(stream);
        if (rc <= 0)
            return rc;
        const uint16_t *event = inptr;
        int ndata = inptr[0] / 2 - 2;
        inptr += 2;
        if (trace_above(4))
            std::printf("%s format: Event Inbuf %08x nwords %d ... outbuf %08x\n", variant,
                        trace_address(event), ndata, trace_address(body - 2));
        if (ndata <= 0)
            continue;
        // Over-long events, and events that reach past their block, are rejected; the next
        // search starts at their first data word.
        if (ndata > max_event_words || ndata > inend - inptr) {
            badevents++;
            continue;
        }
        word_cursor c{inptr, inptr + ndata, ndata, false};
        *nwords = decode_event(c, body);
        inptr += ndata;
        return 1;
    }
}

} // namespace

int xsys_translate(int stream, uint16_t *out, uint16_t *outend)
{
    return translate_events(stream, out, outend, next_xsys_event);
}

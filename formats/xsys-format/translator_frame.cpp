#include "translator_frame.h"

#include "tarvikblocks.h"
#include "tarvikcntl.h"
#include "tarvikstats.h"

namespace {

int bytes_between(const uint16_t *start, const uint16_t *end)
{
    return static_cast<int>(end - start) * 2;
}

int finish(const uint16_t *outstart, uint16_t *out)
{
    return bytes_between(outstart, eurogam_put_terminator(out));
}

} // namespace

bool block_exhausted()
{
    return inptr == nullptr || inend == nullptr || inptr >= inend;
}

int fetch_block(int stream)
{
    return input_get_next_block(stream);
}

int translate_events(int stream, uint16_t *out, uint16_t *outend, event_decoder decode)
{
    uint16_t *outstart = out;
    for (;;) {
        int nwords = 0;
        int rc = decode(stream, out + EUROGAM_EVENT_HEAD_WORDS, &nwords);
        if (rc <= 0)
            return out == outstart ? rc : finish(outstart, out);
        if (nwords > 0) {
            out[0] = EUROGAM_EVENT_MARKER;
            out[1] = static_cast<uint16_t>((nwords + EUROGAM_EVENT_HEAD_WORDS) * 2);
            out += nwords + EUROGAM_EVENT_HEAD_WORDS;
            goodevents++;
        }
        if (out > outend)
            return finish(outstart, out);
    }
}

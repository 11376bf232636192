#include "eurogam_block_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "disc_frame.h"
#include "plugin_trace.h"
#include "tarvikblocks.h"
#include "tarvikcntl.h"

namespace {

constexpr int header_bytes = sizeof(ts_block_header);
constexpr int header_dump_bytes = 64;

uint32_t swap32(uint32_t v)
{
    return (v >> 24) | ((v >> 8) & 0xFF00) | ((v << 8) & 0xFF0000) | (v << 24);
}

bool is_filler(const char *buffer)
{
    return std::memcmp(buffer, "^^^^", 4) == 0;
}

// The data length of the block by the header's own byte order; false for an unknown order.
bool header_length(const ts_block_header &h, uint32_t &blen)
{
    uint32_t raw = static_cast<uint32_t>(h.nbytes);
    switch (h.TSEndian) {
    case TS_ENDIAN_SAME:
        blen = raw;
        return true;
    case TS_ENDIAN_OPPOSITE:
        blen = swap32(raw) > 0xFFFF ? raw : swap32(raw);
        return true;
    case TS_ENDIAN_UNSTATED:
        blen = raw > 0xFFFF ? swap32(raw) : raw;
        return true;
    default:
        return false;
    }
}

// Brings the data words into our byte order; false for an unknown order. Never swaps past the
// bytes that were read, whatever the header claims; a negative length swaps nothing.
bool order_data(const ts_block_header &h, uint32_t blen, char *buffer, int n)
{
    int64_t length = static_cast<int32_t>(blen);
    int64_t room = n - header_bytes;
    int words = static_cast<int>((length < 0 ? 0 : length < room ? length : room) / 2);
    switch (h.DataEndian) {
    case TS_ENDIAN_SAME:
        return true;
    case TS_ENDIAN_OPPOSITE:
        byteswap(buffer + header_bytes, words, 2);
        return true;
    case TS_ENDIAN_UNSTATED:
        if (static_cast<uint32_t>(h.nbytes) > 0x8000)
            byteswap(buffer + header_bytes, words, 2);
        return true;
    default:
        return false;
    }
}

int bad_header(int stream, const char *buffer, int n, bool dump)
{
    char text[128];
    std::snprintf(text, sizeof text, "***error: bad header format: stream %d block %d\n", stream,
                  input_blocks_read);
    std::printf("%s", text);
    if (dump)
        print_lines(buffer, n < header_dump_bytes ? n : header_dump_bytes);
    sort_message(text, 1);
    input_eof_reached = 1;
    input_eof_code = -1;
    return -1;
}

} // namespace

int eurogam_blocks_read(int stream, char *buffer, int *offset)
{
    for (;;) {
        int n = read_disc_block(buffer);
        if (n <= 0)
            return n;
        if (n < header_bytes)
            return 0;
        if (is_filler(buffer))
            continue;
        ts_block_header h;
        std::memcpy(&h, buffer, sizeof h);
        uint32_t blen = 0;
        if (!header_length(h, blen))
            return bad_header(stream, buffer, n, true);
        if (!order_data(h, blen, buffer, n))
            return bad_header(stream, buffer, n, false);
        *offset = header_bytes;
        trace_accepted_block(stream, buffer, n, n - header_bytes);
        return n - header_bytes;
    }
}

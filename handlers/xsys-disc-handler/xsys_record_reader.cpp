#include "xsys_record_reader.h"

#include <cstdio>
#include <cstring>

#include "disc_frame.h"
#include "plugin_trace.h"
#include "tarvikcntl.h"

const block_data_record *instart;

namespace {

constexpr int event_head_bytes = 4;  // an event needs at least its length and header words

uint16_t word_at(const char *buffer, int byte)
{
    uint16_t w;
    std::memcpy(&w, buffer + byte, sizeof w);
    return w;
}

// A comment block shows its text when its first event word pair is marked as text.
void show_comment(const char *buffer, int n, int first)
{
    if (first + event_head_bytes > n)
        return;
    uint16_t mark = word_at(buffer, first + 2);
    if (mark != XSYS_COMMENT_MARK_A && mark != XSYS_COMMENT_MARK_B)
        return;
    // The text is bounded by the block, whether or not it ends in a zero byte.
    int text = first + XSYS_COMMENT_TEXT_OFFSET;
    int room = text < n ? n - text : 0;
    const char *start = room ? buffer + text : "";
    std::printf("\n%.*s\n", static_cast<int>(strnlen(start, room)), start);
}

void trace_skipped(int n, int first)
{
    if (trace_above(1))
        std::printf("%s dev_read: malformed block skipped, %d bytes, first event at %d\n", variant, n, first);
}

// The end of an accepted block: its stated length, but never past what was read.
int data_end(int n)
{
    int end = instart->blength < n ? instart->blength : n;
    return end & ~1;
}

} // namespace

int xsys_records_read(int stream, char *buffer, int *offset)
{
    for (;;) {
        int n = read_disc_block(buffer);
        if (n <= 0)
            return n;
        instart = reinterpret_cast<const block_data_record *>(buffer);
        byteswap(buffer, n >> 1, 2);
        if (n < static_cast<int>(sizeof(block_data_record))) {
            trace_skipped(n, 0);
            continue;
        }
        int first = instart->offset;
        *offset = first;
        if (trace_above(4))
            std::printf("dev_read: ret=%d instart->blength=%d instart->evid=%d\n", n, instart->blength,
                        instart->evid);
        if (instart->blength < XSYS_COMMENT_MIN_BLENGTH) {
            show_comment(buffer, n, first);
            continue;
        }
        int end = data_end(n);
        if ((first & 1) || end - first < event_head_bytes) {
            trace_skipped(n, first);
            continue;
        }
        trace_accepted_block(stream, buffer, n, end - first);
        return end - first;
    }
}

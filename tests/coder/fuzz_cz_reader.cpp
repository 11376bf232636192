// Any bytes read as a compressed file: the header walk over a file and the block decoder over the
// same bytes in memory agree, and decoding stays within its output bound.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "ebyecomp.h"

using namespace tarvik::cz;

static int file_of(const uint8_t *data, size_t size)
{
    static int fd = memfd_create("cz-reader", 0);
    if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != ssize_t(size))
        std::abort();
    return fd;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static decompressor d;
    static std::vector<uint8_t> out(max_block_bytes + 1);
    if (!open_decompressor(d))
        std::abort();
    walk_result w = walk_headers(file_of(data, size), 1 << 20);
    size_t at = 0;
    long blocks = 0;
    for (;;) {
        // A small bound now and then, so that garbage stops at it.
        size_t capacity = (blocks % 2) ? 4096 : max_block_bytes;
        out[capacity] = 0xA5;
        block_result r = decode_cz_block(d, data + at, size - at, out.data(), capacity);
        if (r.out_bytes > capacity || out[capacity] != 0xA5)
            std::abort();
        if (r.header != header_status::ok) {
            if (r.header != w.status)
                std::abort();
            break;
        }
        at += r.block_bytes;
        blocks++;
    }
    if (blocks != w.blocks || at != size_t(w.offset))
        std::abort();
    return 0;
}

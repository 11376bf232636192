#include "ebyecomp.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tarvik::cz {

static void put16(uint8_t *p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

static void put32(uint8_t *p, uint32_t v)
{
    put16(p, uint16_t(v));
    put16(p + 2, uint16_t(v >> 16));
}

static uint16_t get16(const uint8_t *p) { return uint16_t(p[0] | (p[1] << 8)); }
static uint32_t get32(const uint8_t *p) { return get16(p) | (uint32_t(get16(p + 2)) << 16); }

void pack_header(uint8_t out[header_bytes], uint32_t nbytes)
{
    std::memset(out, 0, header_bytes);
    std::memcpy(out, block_name, 8);
    put16(out + 16, 1);
    put32(out + 20, nbytes);
}

ebyecomp_header unpack_header(const uint8_t in[header_bytes])
{
    ebyecomp_header h;
    std::memcpy(h.name, in, 8);
    h.blockno = int32_t(get32(in + 8));
    h.EGdatastreamno = int16_t(get16(in + 12));
    h.streamno = int16_t(get16(in + 14));
    h.TSEndian = int16_t(get16(in + 16));
    h.DataEndian = int16_t(get16(in + 18));
    h.nbytes = int32_t(get32(in + 20));
    return h;
}

bool is_ebyecomp(const uint8_t *bytes, size_t avail)
{
    return avail >= 8 && std::memcmp(bytes, block_name, 8) == 0;
}

const char *header_status_text(header_status s)
{
    switch (s) {
    case header_status::ok: return "good block header";
    case header_status::end_of_file: return "end of file";
    case header_status::short_header: return "file ends inside a block header";
    case header_status::bad_name: return "block is not named EBYECOMP";
    case header_status::bad_endian: return "block header has TSEndian other than 1";
    case header_status::bad_length: return "block header has an impossible payload length";
    case header_status::past_end: return "block payload runs past the end of the file";
    case header_status::read_error: return "file cannot be read";
    }
    return "unknown status";
}

header_status check_header(const uint8_t header[header_bytes], uint64_t bytes_after, uint32_t &nbytes)
{
    if (!is_ebyecomp(header, header_bytes))
        return header_status::bad_name;
    if (get16(header + 16) != 1)
        return header_status::bad_endian;
    uint32_t n = get32(header + 20);
    if (n % 4 || n < min_payload_bytes || n > max_payload_bytes)
        return header_status::bad_length;
    if (n > bytes_after)
        return header_status::past_end;
    nbytes = n;
    return header_status::ok;
}

static header_status read_header_at(int fd, off_t offset, off_t size, uint32_t &nbytes)
{
    if (offset >= size)
        return header_status::end_of_file;
    if (size - offset < off_t(header_bytes))
        return header_status::short_header;
    uint8_t h[header_bytes];
    ssize_t got;
    do
        got = pread(fd, h, header_bytes, offset);
    while (got < 0 && errno == EINTR);
    if (got != ssize_t(header_bytes))
        return got < 0 ? header_status::read_error : header_status::short_header;
    return check_header(h, uint64_t(size - offset) - header_bytes, nbytes);
}

walk_result walk_headers(int fd, long max_blocks)
{
    walk_result w{header_status::ok, 0, 0};
    struct stat st;
    if (fstat(fd, &st) != 0) {
        w.status = header_status::read_error;
        return w;
    }
    while (w.blocks < max_blocks) {
        uint32_t nbytes = 0;
        w.status = read_header_at(fd, w.offset, st.st_size, nbytes);
        if (w.status != header_status::ok)
            return w;
        w.offset += off_t(header_bytes + nbytes);
        w.blocks++;
    }
    return w;
}

block_result decode_cz_block(decompressor &d, const uint8_t *bytes, size_t avail, uint8_t *out,
                             size_t capacity)
{
    block_result r{header_status::end_of_file, decode_status::truncated, 0, 0};
    if (avail == 0)
        return r;
    uint32_t nbytes = 0;
    r.header = avail < header_bytes ? header_status::short_header
                                    : check_header(bytes, avail - header_bytes, nbytes);
    if (r.header != header_status::ok)
        return r;
    r.block_bytes = header_bytes + nbytes;
    decode_result dr = decompress_block(d, bytes + header_bytes, nbytes, out, capacity);
    r.payload = dr.status;
    r.out_bytes = dr.out_bytes;
    return r;
}

} // namespace tarvik::cz

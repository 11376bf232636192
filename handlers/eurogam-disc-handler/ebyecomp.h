// Compressed event files: a sequence of blocks, each a 24-byte "EBYECOMP" header followed by the
// range-coded payload of one whole event block (its own 24-byte header included).
//
// Header, little-endian: name "EBYECOMP" (8 bytes, no terminator); blockno (int32, first byte 0);
// EGdatastreamno, streamno (int16); TSEndian (int16, 1); DataEndian (int16); nbytes (int32, payload
// length, a multiple of 4). Fields the writer does not set are zero.
//
// Nothing in a header is trusted: check_header validates a header against the bytes that follow it
// before anything is decoded, and the file walk stops at the first header that fails.
#ifndef TARVIK_EBYECOMP_H
#define TARVIK_EBYECOMP_H

#include <sys/types.h>

#include <cstddef>
#include <cstdint>

#include "block_coder.h"

namespace tarvik::cz {

struct ebyecomp_header {
    char name[8];
    int32_t blockno;
    int16_t EGdatastreamno;
    int16_t streamno;
    int16_t TSEndian;
    int16_t DataEndian;
    int32_t nbytes;
};
static_assert(sizeof(ebyecomp_header) == 24, "the block header is 24 bytes on disc");

constexpr size_t header_bytes = sizeof(ebyecomp_header);
constexpr char block_name[] = "EBYECOMP";
// Largest event block the writer takes: 64 KiB of data after its 24-byte header.
constexpr size_t max_block_data = 65536;
constexpr size_t max_block_bytes = max_block_data + header_bytes;
constexpr size_t max_payload_bytes = compress_bound(max_block_bytes);
constexpr size_t min_payload_bytes = 8;   // the coder's 5 closing bytes and its first byte, padded

// The header of a payload of nbytes, as the writer puts it on disc.
void pack_header(uint8_t out[header_bytes], uint32_t nbytes);
// The fields of a header read from disc (no check).
ebyecomp_header unpack_header(const uint8_t in[header_bytes]);
// True when the bytes begin with the block name.
bool is_ebyecomp(const uint8_t *bytes, size_t avail);

enum class header_status {
    ok,
    end_of_file,   // no bytes left where a header would start
    short_header,  // fewer than 24 bytes left
    bad_name,      // not "EBYECOMP"
    bad_endian,    // TSEndian is not 1
    bad_length,    // nbytes not a multiple of 4, or outside [min_payload_bytes, max_payload_bytes]
    past_end,      // the payload would run past the end of the file
    read_error,
};
const char *header_status_text(header_status s);

// Checks a header given the number of bytes that follow it in the file; sets nbytes when ok.
header_status check_header(const uint8_t header[header_bytes], uint64_t bytes_after, uint32_t &nbytes);

struct walk_result {
    header_status status;  // ok when max_blocks blocks were found, else what stopped the walk
    long blocks;           // whole blocks passed
    off_t offset;          // file offset after them
};

// Walks block headers of an open file from its start, passing at most max_blocks blocks; reads with
// pread, so the descriptor's position is left alone.
walk_result walk_headers(int fd, long max_blocks);

struct block_result {
    header_status header;
    decode_status payload;   // meaningful when header is ok
    size_t block_bytes;      // 24 + nbytes when header is ok
    size_t out_bytes;        // bytes of the event block stored in out
};

// Decodes the compressed block at the start of `bytes` (avail bytes of the file from there on)
// into out, writing at most capacity bytes.
block_result decode_cz_block(decompressor &d, const uint8_t *bytes, size_t avail, uint8_t *out,
                             size_t capacity);

} // namespace tarvik::cz

#endif

// The block compressor and decompressor of compressed event files.
//
// A block is coded on its own: the 256 order-1 models (one per value of the previous byte, 257
// symbols: the byte values and the end symbol 256, total frequency 4096) and the coder start from
// the same state for every block, so a payload depends on nothing but its block.
//
// Payload: the coder's bytes, then zero bytes up to a multiple of 4. The coder's byte count is
// stored in its own last three bytes, big-endian, so a payload checks itself.
//
// Contract:
// - compress_block codes `length` bytes into `out`, which must hold compress_bound(length) bytes;
//   it returns the payload length (a multiple of 4), or -1 when `capacity` is below the bound or
//   the compressor is not open. It never writes past compress_bound(length).
// - decompress_block reads at most `nbytes` bytes of `payload` and writes at most `capacity`
//   bytes to `out`, whatever the payload holds; the result says whether the payload was whole.
// - A compressor and a decompressor are separate objects with separate models; a process may use
//   any number of each, one per thread.
#ifndef TARVIK_BLOCK_CODER_H
#define TARVIK_BLOCK_CODER_H

#include <cstddef>
#include <cstdint>

#include "qsmodel.h"

namespace tarvik::cz {

constexpr int model_count = 256;      // one model per value of the previous byte
constexpr int model_symbols = 257;    // 256 byte values and the end symbol
constexpr int end_symbol = 256;
constexpr int log2_total = 12;        // total frequency 4096
constexpr int max_interval = 2000;    // target rescale interval

constexpr size_t round_up4(size_t n) { return (n + 3) & ~size_t(3); }

// Worst case of a payload for `length` input bytes. No symbol has a frequency below 1 of 4096, so
// no symbol costs more than 12 bits, plus less than 2^-11 of a bit lost to truncating the range;
// 1.5 bytes per symbol (the input bytes and the end symbol), one byte in 4096 for the truncation
// loss, the coder's 5 closing bytes and one for rounding, then the padding.
constexpr size_t compress_bound(size_t length)
{
    size_t symbols = length + 1;
    return round_up4(symbols + symbols / 2 + symbols / 4096 + 7);
}

struct compressor {
    qsmodel model[model_count];
    uint8_t dirty[model_count];   // models updated since their last reset
    bool open = false;
    compressor() = default;
    compressor(const compressor &) = delete;
    compressor &operator=(const compressor &) = delete;
    ~compressor();
};

struct decompressor {
    qsmodel model[model_count];
    uint8_t dirty[model_count];
    bool open = false;
    decompressor() = default;
    decompressor(const decompressor &) = delete;
    decompressor &operator=(const decompressor &) = delete;
    ~decompressor();
};

// Allocate the models once; false when memory runs out. Opening an open one does nothing.
bool open_compressor(compressor &c);
bool open_decompressor(decompressor &d);
void close_compressor(compressor &c);
void close_decompressor(decompressor &d);

long compress_block(compressor &c, const uint8_t *in, size_t length, uint8_t *out, size_t capacity);

enum class decode_status {
    ok,            // the end symbol was decoded and the payload is whole
    truncated,     // the coder needed bytes past nbytes
    output_full,   // capacity bytes were decoded and still no end symbol
    corrupt,       // end symbol found, but first byte, byte count or padding do not match
    not_open,      // the decompressor has no models
};

struct decode_result {
    decode_status status;
    size_t out_bytes;     // bytes stored in out
    size_t code_bytes;    // bytes the coder read (the coder's byte count when whole)
};

decode_result decompress_block(decompressor &d, const uint8_t *payload, size_t nbytes, uint8_t *out,
                               size_t capacity);
const char *decode_status_text(decode_status s);

// The coder's version text; it is not written to files.
extern const char coderversion[];

// Process-wide compressor and decompressor under the coder's traditional names; the two keep
// separate models (flag 1: the compressor, 0: the decompressor). Not for concurrent use.
// do_compress: `out` must hold compress_bound(*length); sets *length to the payload length and
// returns it. do_decompress: bounded by in_bytes and out_capacity; sets *length to the bytes
// decoded and returns 0 when the payload was whole, -1 otherwise.
int do_compress_init(int flag);
int do_compress_reinit(int flag);
void do_compress_tidy();
long do_compress(const uint8_t *in, uint8_t *out, long *length);
int do_decompress(const uint8_t *in, size_t in_bytes, uint8_t *out, size_t out_capacity, long *length);

} // namespace tarvik::cz

#endif

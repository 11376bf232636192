// The byte-oriented range coder: 32-bit low and range, a carry resolved through a count of pending
// bytes. The state is one struct and every operation is a small inline function; the caller owns
// the byte buffers.
//
// Encoder contract: the output area must hold every byte the coder emits; for the block coder that
// is bounded by compress_bound() in block_coder.h, so the per-byte path carries no bounds check.
// Decoder contract: input is bounded by insize; bytes asked past the end read as zero and are
// still counted in codelen, so a caller sees an overrun as codelen > insize.
#ifndef TARVIK_RANGE_CODER_H
#define TARVIK_RANGE_CODER_H

#include <cstddef>
#include <cstdint>

namespace tarvik::cz {

constexpr uint32_t code_bits = 32;
constexpr uint32_t coder_top = uint32_t(1) << (code_bits - 1);
constexpr uint32_t coder_shift = code_bits - 9;              // 23: low's top byte starts here
constexpr uint32_t extra_bits = (code_bits - 2) % 8 + 1;     // 7: bits of the first byte kept
constexpr uint32_t coder_bottom = coder_top >> 8;

struct range_coder {
    uint32_t low = 0;
    uint32_t range = 0;
    uint32_t aux = 0;          // encoder: pending bytes; decoder: range / total of this step
    uint8_t carry_byte = 0;    // encoder: byte waiting for a possible carry; decoder: last input
    uint32_t byte_count = 0;   // encoder: bytes output
    uint8_t *codebuf = nullptr;
    const uint8_t *inbuf = nullptr;
    size_t insize = 0;
    size_t codelen = 0;        // bytes written (encoder) or asked for (decoder)
};

inline void out_byte(range_coder &rc, uint8_t b) { rc.codebuf[rc.codelen++] = b; }

inline uint8_t in_byte(range_coder &rc)
{
    size_t i = rc.codelen++;
    return i < rc.insize ? rc.inbuf[i] : 0;
}

inline void start_range_encoding(range_coder &rc, uint8_t *out, uint8_t first, uint32_t count)
{
    rc.codebuf = out;
    rc.codelen = 0;
    rc.low = 0;
    rc.range = coder_top;
    rc.aux = 0;
    rc.carry_byte = first;
    rc.byte_count = count;
}

inline void flush_pending(range_coder &rc, uint8_t first, uint8_t pending)
{
    out_byte(rc, first);
    for (; rc.aux; rc.aux--)
        out_byte(rc, pending);
}

inline void enc_normalize(range_coder &rc)
{
    while (rc.range <= coder_bottom) {
        if (rc.low < (uint32_t(0xFF) << coder_shift)) {
            flush_pending(rc, rc.carry_byte, 0xFF);
            rc.carry_byte = uint8_t(rc.low >> coder_shift);
        } else if (rc.low & coder_top) {
            flush_pending(rc, uint8_t(rc.carry_byte + 1), 0x00);
            rc.carry_byte = uint8_t(rc.low >> coder_shift);
        } else {
            rc.aux++;
        }
        rc.range <<= 8;
        rc.low = (rc.low << 8) & (coder_top - 1);
        rc.byte_count++;
    }
}

// Total frequency 2^shift; the last symbol takes what the truncation of range leaves over.
inline void encode_shift(range_coder &rc, uint32_t freq, uint32_t below, uint32_t shift)
{
    enc_normalize(rc);
    uint32_t r = rc.range >> shift, t = r * below;
    rc.low += t;
    if ((below + freq) >> shift)
        rc.range -= t;
    else
        rc.range = r * freq;
}

inline void encode_freq(range_coder &rc, uint32_t freq, uint32_t below, uint32_t total)
{
    enc_normalize(rc);
    uint32_t r = rc.range / total, t = r * below;
    rc.low += t;
    if (below + freq < total)
        rc.range = r * freq;
    else
        rc.range -= t;
}

// The final bytes are chosen so that the byte count written after them keeps the value inside the
// last interval; the count doubles as the decoder's look-ahead.
inline uint32_t done_range_encoding(range_coder &rc)
{
    enc_normalize(rc);
    rc.byte_count += 5;
    uint32_t t = rc.low >> coder_shift;
    if ((rc.low & (coder_bottom - 1)) >= ((rc.byte_count & 0xFFFFFF) >> 1))
        t++;
    if (t > 0xFF)
        flush_pending(rc, uint8_t(rc.carry_byte + 1), 0x00);
    else
        flush_pending(rc, rc.carry_byte, 0xFF);
    out_byte(rc, uint8_t(t));
    out_byte(rc, uint8_t(rc.byte_count >> 16));
    out_byte(rc, uint8_t(rc.byte_count >> 8));
    out_byte(rc, uint8_t(rc.byte_count));
    return rc.byte_count;
}

inline int start_range_decoding(range_coder &rc, const uint8_t *in, size_t insize)
{
    rc.inbuf = in;
    rc.insize = insize;
    rc.codelen = 0;
    int first = in_byte(rc);
    rc.carry_byte = in_byte(rc);
    rc.low = uint32_t(rc.carry_byte) >> (8 - extra_bits);
    rc.range = uint32_t(1) << extra_bits;
    return first;
}

inline void dec_normalize(range_coder &rc)
{
    while (rc.range <= coder_bottom) {
        rc.low = (rc.low << 8) | ((uint32_t(rc.carry_byte) << extra_bits) & 0xFF);
        rc.carry_byte = in_byte(rc);
        rc.low |= uint32_t(rc.carry_byte) >> (8 - extra_bits);
        rc.range <<= 8;
    }
}

inline uint32_t decode_culshift(range_coder &rc, uint32_t shift)
{
    dec_normalize(rc);
    rc.aux = rc.range >> shift;
    uint32_t t = rc.low / rc.aux;
    return (t >> shift) ? (uint32_t(1) << shift) - 1 : t;
}

inline uint32_t decode_culfreq(range_coder &rc, uint32_t total)
{
    dec_normalize(rc);
    rc.aux = rc.range / total;
    uint32_t t = rc.low / rc.aux;
    return t >= total ? total - 1 : t;
}

inline void decode_update(range_coder &rc, uint32_t freq, uint32_t below, uint32_t total)
{
    uint32_t t = rc.aux * below;
    rc.low -= t;
    if (below + freq < total)
        rc.range = rc.aux * freq;
    else
        rc.range -= t;
}

inline uint8_t decode_byte(range_coder &rc)
{
    uint32_t v = decode_culshift(rc, 8);
    decode_update(rc, 1, v, 256);
    return uint8_t(v);
}

inline uint16_t decode_short(range_coder &rc)
{
    uint32_t v = decode_culshift(rc, 16);
    decode_update(rc, 1, v, 65536);
    return uint16_t(v);
}

inline void done_range_decoding(range_coder &rc) { dec_normalize(rc); }

} // namespace tarvik::cz

#endif

#include "block_coder.h"

#include <cstring>

#include "range_coder.h"

namespace tarvik::cz {

const char coderversion[] = "tarvik range coder 1.0 (order-1 quasistatic models, 257 symbols)";

// Every model starts a block in the same state, so a reset is a copy of one model reset once.
// The template keeps a search table, which a compression model simply does not copy.
static const qsmodel *reset_template()
{
    static const qsmodel *t = [] () -> const qsmodel * {
        static qsmodel m;
        if (!initqsmodel(&m, model_symbols, log2_total, max_interval, nullptr, 0)) {
            deleteqsmodel(&m);
            return nullptr;
        }
        return &m;
    }();
    return t;
}

template <class Coder> static void close_models(Coder &c)
{
    for (qsmodel &m : c.model)
        deleteqsmodel(&m);
    c.open = false;
}

template <class Coder> static bool open_models(Coder &c, int compress)
{
    if (c.open)
        return true;
    if (!reset_template())
        return false;
    std::memset(c.dirty, 0, sizeof c.dirty);
    for (qsmodel &m : c.model) {
        if (!initqsmodel(&m, model_symbols, log2_total, max_interval, nullptr, compress)) {
            close_models(c);
            return false;
        }
    }
    c.open = true;
    return true;
}

template <class Coder> static void reset_models(Coder &c)
{
    const qsmodel *t = reset_template();
    for (int k = 0; k < model_count; k++) {
        if (c.dirty[k]) {
            copyqsmodel(&c.model[k], t);
            c.dirty[k] = 0;
        }
    }
}

compressor::~compressor() { close_models(*this); }
decompressor::~decompressor() { close_models(*this); }
bool open_compressor(compressor &c) { return open_models(c, 1); }
bool open_decompressor(decompressor &d) { return open_models(d, 0); }
void close_compressor(compressor &c) { close_models(c); }
void close_decompressor(decompressor &d) { close_models(d); }

long compress_block(compressor &c, const uint8_t *in, size_t length, uint8_t *out, size_t capacity)
{
    if (!c.open || capacity < compress_bound(length))
        return -1;
    reset_models(c);
    range_coder rc;
    start_range_encoding(rc, out, 0, 0);
    unsigned k = 0;
    for (size_t i = 0; i < length; i++) {
        unsigned b = in[i];
        qsmodel *m = &c.model[k];
        uint32_t below = m->cumfreq[b];
        encode_shift(rc, m->cumfreq[b + 1] - below, below, log2_total);
        qsupdate(m, int(b));
        c.dirty[k] = 1;
        k = b;
    }
    const qsmodel *m = &c.model[k];
    uint32_t below = m->cumfreq[end_symbol];
    encode_shift(rc, m->cumfreq[end_symbol + 1] - below, below, log2_total);
    size_t n = done_range_encoding(rc);
    size_t padded = round_up4(n);
    std::memset(out + n, 0, padded - n);
    return long(padded);
}

// A whole payload starts with the coder's first byte 0, ends its coded part with the coder's byte
// count and pads with zeros to the next multiple of 4.
static bool payload_closes(const uint8_t *payload, size_t nbytes, size_t code_bytes)
{
    if (code_bytes < 5 || payload[0] != 0 || round_up4(code_bytes) != nbytes)
        return false;
    const uint8_t *p = payload + code_bytes - 3;
    if (((size_t(p[0]) << 16) | (size_t(p[1]) << 8) | p[2]) != (code_bytes & 0xFFFFFF))
        return false;
    for (size_t i = code_bytes; i < nbytes; i++)
        if (payload[i])
            return false;
    return true;
}

decode_result decompress_block(decompressor &d, const uint8_t *payload, size_t nbytes, uint8_t *out,
                               size_t capacity)
{
    if (!d.open)
        return {decode_status::not_open, 0, 0};
    reset_models(d);
    range_coder rc;
    start_range_decoding(rc, payload, nbytes);
    size_t n = 0;
    unsigned k = 0;
    for (;;) {
        qsmodel *m = &d.model[k];
        int f = int(decode_culshift(rc, log2_total));
        if (rc.codelen > nbytes)
            return {decode_status::truncated, n, rc.codelen};
        int s = qsgetsym(m, f);
        int freq, below;
        qsgetfreq(m, s, &freq, &below);
        decode_update(rc, uint32_t(freq), uint32_t(below), 1u << log2_total);
        if (s == end_symbol)
            break;
        if (n == capacity)
            return {decode_status::output_full, n, rc.codelen};
        out[n++] = uint8_t(s);
        qsupdate(m, s);
        d.dirty[k] = 1;
        k = unsigned(s);
    }
    done_range_decoding(rc);
    if (rc.codelen > nbytes)
        return {decode_status::truncated, n, rc.codelen};
    if (!payload_closes(payload, nbytes, rc.codelen))
        return {decode_status::corrupt, n, rc.codelen};
    return {decode_status::ok, n, rc.codelen};
}

const char *decode_status_text(decode_status s)
{
    switch (s) {
    case decode_status::ok: return "whole";
    case decode_status::truncated: return "payload ends before its coded data";
    case decode_status::output_full: return "no end symbol within the output bound";
    case decode_status::corrupt: return "payload does not close with its byte count and padding";
    case decode_status::not_open: return "decompressor has no models";
    }
    return "unknown status";
}

static compressor process_compressor;
static decompressor process_decompressor;

int do_compress_init(int flag)
{
    return (flag ? open_compressor(process_compressor) : open_decompressor(process_decompressor)) ? 0 : -1;
}

int do_compress_reinit(int flag)
{
    if (do_compress_init(flag) != 0)
        return -1;
    if (flag)
        reset_models(process_compressor);
    else
        reset_models(process_decompressor);
    return 0;
}

void do_compress_tidy()
{
    close_compressor(process_compressor);
    close_decompressor(process_decompressor);
}

long do_compress(const uint8_t *in, uint8_t *out, long *length)
{
    if (*length < 0 || do_compress_init(1) != 0)
        return -1;
    size_t n = size_t(*length);
    *length = compress_block(process_compressor, in, n, out, compress_bound(n));
    return *length;
}

int do_decompress(const uint8_t *in, size_t in_bytes, uint8_t *out, size_t out_capacity, long *length)
{
    if (do_compress_init(0) != 0)
        return -1;
    decode_result r = decompress_block(process_decompressor, in, in_bytes, out, out_capacity);
    *length = long(r.out_bytes);
    return r.status == decode_status::ok ? 0 : -1;
}

} // namespace tarvik::cz

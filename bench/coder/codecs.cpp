#include "codecs.h"

#include <memory>

#include "block_coder.h"
#include "ebyecomp.h"

#ifdef TARVIK_HAVE_ZSTD
#include <zstd.h>
#endif
#ifdef TARVIK_HAVE_LZMA
#include <lzma.h>
#endif
#ifdef TARVIK_HAVE_ZLIB
#include <zlib.h>
#endif

namespace tarvik::bench {

namespace {

// Our blocks as the plug-in writes them: the 24-byte header counts against our ratio.
codec tarvik_codec()
{
    auto c = std::make_shared<cz::compressor>();
    auto d = std::make_shared<cz::decompressor>();
    cz::open_compressor(*c);
    cz::open_decompressor(*d);
    codec k{"tarvik cz", nullptr, nullptr, nullptr};
    k.compress = [c](const uint8_t *in, size_t n, uint8_t *out, size_t cap) -> size_t {
        long p = cz::compress_block(*c, in, n, out + cz::header_bytes, cap - cz::header_bytes);
        if (p < 0)
            return 0;
        cz::pack_header(out, uint32_t(p));
        return cz::header_bytes + size_t(p);
    };
    k.decompress = [d](const uint8_t *in, size_t n, uint8_t *out, size_t cap) -> size_t {
        cz::block_result r = cz::decode_cz_block(*d, in, n, out, cap);
        return r.header == cz::header_status::ok && r.payload == cz::decode_status::ok ? r.out_bytes : 0;
    };
    k.bound = [](size_t n) { return cz::header_bytes + cz::compress_bound(n); };
    return k;
}

#ifdef TARVIK_HAVE_ZSTD
codec zstd_codec(int level)
{
    std::shared_ptr<ZSTD_CCtx> cc(ZSTD_createCCtx(), ZSTD_freeCCtx);
    std::shared_ptr<ZSTD_DCtx> dc(ZSTD_createDCtx(), ZSTD_freeDCtx);
    codec k{"zstd -" + std::to_string(level), nullptr, nullptr, nullptr};
    k.compress = [cc, level](const uint8_t *in, size_t n, uint8_t *out, size_t cap) -> size_t {
        size_t r = ZSTD_compressCCtx(cc.get(), out, cap, in, n, level);
        return ZSTD_isError(r) ? 0 : r;
    };
    k.decompress = [dc](const uint8_t *in, size_t n, uint8_t *out, size_t cap) -> size_t {
        size_t r = ZSTD_decompressDCtx(dc.get(), out, cap, in, n);
        return ZSTD_isError(r) ? 0 : r;
    };
    k.bound = [](size_t n) { return ZSTD_compressBound(n); };
    return k;
}
#endif

#ifdef TARVIK_HAVE_LZMA
// One encoder and one decoder stream, set up again for every block; liblzma keeps their memory.
size_t lzma_run(lzma_stream *s, const uint8_t *in, size_t n, uint8_t *out, size_t cap)
{
    s->next_in = in;
    s->avail_in = n;
    s->next_out = out;
    s->avail_out = cap;
    lzma_ret r = lzma_code(s, LZMA_FINISH);
    return r == LZMA_STREAM_END ? cap - s->avail_out : 0;
}

codec xz_codec(uint32_t preset)
{
    auto end = [](lzma_stream *s) { lzma_end(s); delete s; };
    std::shared_ptr<lzma_stream> enc(new lzma_stream(LZMA_STREAM_INIT), end);
    std::shared_ptr<lzma_stream> dec(new lzma_stream(LZMA_STREAM_INIT), end);
    codec k{"xz -" + std::to_string(preset), nullptr, nullptr, nullptr};
    k.compress = [enc, preset](const uint8_t *in, size_t n, uint8_t *out, size_t cap) -> size_t {
        if (lzma_easy_encoder(enc.get(), preset, LZMA_CHECK_CRC64) != LZMA_OK)
            return 0;
        return lzma_run(enc.get(), in, n, out, cap);
    };
    k.decompress = [dec](const uint8_t *in, size_t n, uint8_t *out, size_t cap) -> size_t {
        if (lzma_stream_decoder(dec.get(), UINT64_MAX, 0) != LZMA_OK)
            return 0;
        return lzma_run(dec.get(), in, n, out, cap);
    };
    k.bound = [](size_t n) { return lzma_stream_buffer_bound(n); };
    return k;
}
#endif

#ifdef TARVIK_HAVE_ZLIB
codec gzip_codec(int level)
{
    auto dend = [](z_stream *s) { deflateEnd(s); delete s; };
    auto iend = [](z_stream *s) { inflateEnd(s); delete s; };
    std::shared_ptr<z_stream> def(new z_stream{}, dend), inf(new z_stream{}, iend);
    deflateInit2(def.get(), level, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
    inflateInit2(inf.get(), 15 + 16);
    codec k{"gzip -" + std::to_string(level), nullptr, nullptr, nullptr};
    k.compress = [def](const uint8_t *in, size_t n, uint8_t *out, size_t cap) -> size_t {
        deflateReset(def.get());
        def->next_in = const_cast<Bytef *>(in);
        def->avail_in = uInt(n);
        def->next_out = out;
        def->avail_out = uInt(cap);
        return deflate(def.get(), Z_FINISH) == Z_STREAM_END ? cap - def->avail_out : 0;
    };
    k.decompress = [inf](const uint8_t *in, size_t n, uint8_t *out, size_t cap) -> size_t {
        inflateReset(inf.get());
        inf->next_in = const_cast<Bytef *>(in);
        inf->avail_in = uInt(n);
        inf->next_out = out;
        inf->avail_out = uInt(cap);
        return inflate(inf.get(), Z_FINISH) == Z_STREAM_END ? cap - inf->avail_out : 0;
    };
    k.bound = [def](size_t n) { return size_t(deflateBound(def.get(), uLong(n))) + 32; };
    return k;
}
#endif

} // namespace

std::vector<codec> all_codecs(std::vector<std::string> &notes)
{
    std::vector<codec> list{tarvik_codec()};
    (void)notes;   // used only when a library is missing
#ifdef TARVIK_HAVE_ZSTD
    for (int level : {1, 3, 19})
        list.push_back(zstd_codec(level));
#else
    notes.push_back("zstd rows skipped: libzstd was not found at build time");
#endif
#ifdef TARVIK_HAVE_LZMA
    list.push_back(xz_codec(6));
#else
    notes.push_back("xz row skipped: liblzma was not found at build time");
#endif
#ifdef TARVIK_HAVE_ZLIB
    list.push_back(gzip_codec(6));
#else
    notes.push_back("gzip row skipped: zlib was not found at build time");
#endif
    return list;
}

} // namespace tarvik::bench

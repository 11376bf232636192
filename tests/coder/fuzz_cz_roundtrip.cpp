// Any block up to the largest the writer takes compresses within the bound and decodes exactly.
#include <cstdlib>
#include <vector>

#include "block_coder.h"
#include "ebyecomp.h"

using namespace tarvik::cz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static compressor c;
    static decompressor d;
    static std::vector<uint8_t> payload(max_payload_bytes), out(max_block_bytes);
    if (!open_compressor(c) || !open_decompressor(d))
        std::abort();
    if (size > max_block_bytes)
        size = max_block_bytes;
    long n = compress_block(c, data, size, payload.data(), payload.size());
    if (n < 0 || n % 4 || size_t(n) > compress_bound(size))
        std::abort();
    decode_result r = decompress_block(d, payload.data(), size_t(n), out.data(), size);
    if (r.status != decode_status::ok || r.out_bytes != size)
        std::abort();
    for (size_t i = 0; i < size; i++)
        if (out[i] != data[i])
            std::abort();
    return 0;
}

// The compressors the benchmark sets side by side, each coding one block at a time into a
// caller's buffer through its library.
#ifndef TARVIK_BENCH_CODECS_H
#define TARVIK_BENCH_CODECS_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tarvik::bench {

// Each call returns the bytes written, or 0 on failure.
using block_fn = std::function<size_t(const uint8_t *in, size_t n, uint8_t *out, size_t capacity)>;

struct codec {
    std::string name;
    block_fn compress;
    block_fn decompress;
    std::function<size_t(size_t)> bound;
};

// Ours first, then zstd -1, -3, -19, xz -6 and gzip -6 where their libraries were found; a note
// for each that was not.
std::vector<codec> all_codecs(std::vector<std::string> &notes);

} // namespace tarvik::bench

#endif

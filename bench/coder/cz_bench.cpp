// Compresses generated detector data block by block with our coder and, on the same bytes in the
// same process, with the usual compressors through their libraries; prints ratio and speed of
// each, and the order-0 and order-1 empirical entropy of the blocks.
//
//   cz_bench [--ours-only] [--mb N] [--block BYTES] [--seed S]
//   (defaults: 200 MB, 16384-byte blocks; --ours-only leaves out the other compressors)
#include <time.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "codecs.h"
#include "event_data.h"

using namespace tarvik::bench;

// The machine is shared: time is the benchmark thread's CPU time, so other processes do not
// count against any coder.
struct clock_type {
    using duration = std::chrono::nanoseconds;
    static std::chrono::time_point<clock_type, duration> now()
    {
        timespec ts;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return std::chrono::time_point<clock_type, duration>(duration(ts.tv_sec * 1000000000LL + ts.tv_nsec));
    }
};

namespace {

struct options {
    double mb = 200;
    size_t block = 16384;
    uint32_t seed = 1;
    bool ours_only = false;
};

bool parse(int argc, char **argv, options &o)
{
    int i = 1;
    for (; i < argc && std::string(argv[i]) == "--ours-only"; i++)
        o.ours_only = true;
    for (; i + 1 < argc; i += 2) {
        std::string a = argv[i];
        if (a == "--mb")
            o.mb = std::atof(argv[i + 1]);
        else if (a == "--block")
            o.block = size_t(std::atol(argv[i + 1]));
        else if (a == "--seed")
            o.seed = uint32_t(std::atol(argv[i + 1]));
        else
            return false;
    }
    return i == argc && o.mb > 0 && o.block >= 64 && o.block <= 65560;
}

double entropy_bits(const uint32_t *counts, int n, uint32_t total)
{
    double bits = 0;
    for (int i = 0; i < n; i++)
        if (counts[i])
            bits -= counts[i] * std::log2(double(counts[i]) / total);
    return bits;
}

// Order 0 per block, and order 1 with the previous byte as context (0 before the first byte),
// as our coder's models see it; neither counts the cost of learning the statistics.
void block_entropy(const uint8_t *b, size_t n, double &h0, double &h1)
{
    static uint32_t c1[256][256];
    uint32_t c0[256] = {}, ctx[256] = {};
    std::memset(c1, 0, sizeof c1);
    unsigned k = 0;
    for (size_t i = 0; i < n; i++) {
        c0[b[i]]++;
        c1[k][b[i]]++;
        ctx[k]++;
        k = b[i];
    }
    h0 += entropy_bits(c0, 256, uint32_t(n));
    for (int j = 0; j < 256; j++)
        if (ctx[j])
            h1 += entropy_bits(c1[j], 256, ctx[j]);
}

struct row {
    double ratio = 0, compress_mbs = 0, decompress_mbs = 0;
    bool exact = true;
    uint64_t digest = 14695981039346656037ull;
};

double seconds(clock_type::duration d) { return std::chrono::duration<double>(d).count(); }

row measure(const codec &c, const std::vector<uint8_t> &data, size_t block)
{
    row r;
    size_t blocks = data.size() / block, coded_bytes = 0;
    std::vector<std::vector<uint8_t>> coded(blocks);
    std::vector<uint8_t> scratch(c.bound(block)), back(block + 64);
    clock_type::duration tc{}, td{};
    for (size_t i = 0; i < blocks; i++) {
        auto t0 = clock_type::now();
        size_t n = c.compress(data.data() + i * block, block, scratch.data(), scratch.size());
        tc += clock_type::now() - t0;
        coded[i].assign(scratch.begin(), scratch.begin() + n);
        coded_bytes += n;
        r.exact = r.exact && n > 0;
        for (size_t j = 0; j < n; j++)
            r.digest = (r.digest ^ scratch[j]) * 1099511628211ull;
    }
    for (size_t i = 0; i < blocks; i++) {
        auto t0 = clock_type::now();
        size_t n = c.decompress(coded[i].data(), coded[i].size(), back.data(), back.size());
        td += clock_type::now() - t0;
        r.exact = r.exact && n == block && std::memcmp(back.data(), data.data() + i * block, block) == 0;
    }
    double mb = double(blocks * block) / 1e6;
    r.ratio = double(blocks * block) / double(coded_bytes ? coded_bytes : 1);
    r.compress_mbs = mb / seconds(tc);
    r.decompress_mbs = mb / seconds(td);
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: cz_bench [--ours-only] [--mb N] [--block BYTES (64-65560)] [--seed S]\n");
        return 2;
    }
    std::vector<uint8_t> data = tarvik::testdata::make_event_file(size_t(o.mb * 1e6), o.block, o.seed);
    size_t blocks = data.size() / o.block;
    double h0 = 0, h1 = 0;
    for (size_t i = 0; i < blocks; i++)
        block_entropy(data.data() + i * o.block, o.block, h0, h1);
    std::printf("%zu blocks of %zu bytes, %.1f MB of generated event data\n\n", blocks, o.block,
                double(data.size()) / 1e6);
    std::printf("%-22s %8s %14s %16s\n", "coder", "ratio", "compress MB/s", "decompress MB/s");
    double bits = 8.0 * double(blocks * o.block);
    std::printf("%-22s %8.3f %14s %16s\n", "order-0 entropy", bits / h0, "-", "-");
    std::printf("%-22s %8.3f %14s %16s\n", "order-1 entropy", bits / h1, "-", "-");
    std::vector<std::string> notes;
    bool all_exact = true;
    std::vector<codec> codecs = all_codecs(notes);
    if (o.ours_only)
        codecs.resize(1);
    for (const codec &c : codecs) {
        row r = measure(c, data, o.block);
        all_exact = all_exact && r.exact;
        std::printf("%-22s %8.3f %14.1f %16.1f%s\n", c.name.c_str(), r.ratio, r.compress_mbs,
                    r.decompress_mbs, r.exact ? "" : "   ROUND TRIP FAILED");
        if (c.name == "tarvik cz")
            std::printf("%-22s payload digest %016llx\n", "", (unsigned long long)r.digest);
    }
    for (const std::string &n : notes)
        std::printf("note: %s\n", n.c_str());
    std::printf("\nratio: input bytes / coded bytes (ours with its 24-byte block header); MB = 10^6 bytes;\n"
                "speed: input MB per second of this thread's CPU time, block by block\n");
    return all_exact ? 0 : 1;
}

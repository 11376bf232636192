// Block compression: round trips, the payload format, the worst-case bound.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "block_coder.h"
#include "ebyecomp.h"
#include "event_data.h"
#include "reference_coder.h"

using namespace tarvik::cz;
using bytes = std::vector<uint8_t>;

namespace {

bytes random_bytes(size_t n, uint32_t seed)
{
    std::mt19937 rng(seed);
    bytes b(n);
    for (uint8_t &x : b)
        x = uint8_t(rng());
    return b;
}

bytes compress(compressor &c, const bytes &in)
{
    bytes out(compress_bound(in.size()) + 16, 0xAA);
    long n = compress_block(c, in.data(), in.size(), out.data(), compress_bound(in.size()));
    EXPECT_GE(n, 0);
    for (size_t i = compress_bound(in.size()); i < out.size(); i++)
        EXPECT_EQ(out[i], 0xAA) << "written past the bound at " << i;
    out.resize(size_t(std::max(n, 0L)));
    return out;
}

struct block_case {
    std::string name;
    bytes data;
};

std::vector<block_case> block_cases()
{
    tarvik::testdata::event_source events(11);
    bytes all_values(256);
    for (int i = 0; i < 256; i++)
        all_values[i] = uint8_t(i);
    bytes pattern;
    for (int i = 0; i < 20000; i++)
        pattern.push_back(uint8_t("\x00\x41\xff\xff\x10\x00"[i % 6]));
    return {
        {"empty", {}},
        {"one byte", {0x5A}},
        {"two bytes", {0xFF, 0x00}},
        {"every byte value", all_values},
        {"random", random_bytes(5000, 1)},
        {"random largest block", random_bytes(max_block_bytes, 2)},
        {"zeros largest block", bytes(max_block_bytes, 0)},
        {"repeated pattern", pattern},
        {"event block 16 KiB", tarvik::testdata::make_event_block(events, 16384)},
        {"event block 32 KiB", tarvik::testdata::make_event_block(events, 32768)},
        {"event block largest", tarvik::testdata::make_event_block(events, max_block_bytes)},
    };
}

} // namespace

// Every payload is the reference coder's bytes padded with zeros to a multiple of 4, whatever
// blocks went before it, and decodes back to its block.
TEST(block_coder, payloads_match_the_reference_and_round_trip)
{
    compressor c;
    decompressor d;
    ASSERT_TRUE(open_compressor(c));
    ASSERT_TRUE(open_decompressor(d));
    for (const block_case &bc : block_cases()) {
        SCOPED_TRACE(bc.name);
        bytes payload = compress(c, bc.data);
        bytes expected = tarvik::testref::reference_compress(bc.data.data(), bc.data.size());
        expected.resize(round_up4(expected.size()), 0);
        ASSERT_EQ(payload, expected);
        EXPECT_EQ(compress(c, bc.data), payload) << "second compression differs";
        bytes out(bc.data.size() + 1);
        decode_result r = decompress_block(d, payload.data(), payload.size(), out.data(), out.size());
        EXPECT_EQ(r.status, decode_status::ok) << decode_status_text(r.status);
        out.resize(r.out_bytes);
        EXPECT_EQ(out, bc.data);
    }
}

// Worked by hand: the end symbol alone from the reset model 0 (below 4081, frequency 15).
TEST(block_coder, empty_block_codes_the_end_symbol_and_the_flush_bytes)
{
    compressor c;
    ASSERT_TRUE(open_compressor(c));
    EXPECT_EQ(compress(c, {}), (bytes{0x00, 0xFF, 0x10, 0x00, 0x00, 0x06, 0x00, 0x00}));
}

// The payload used to be cut to a multiple of 4, dropping up to three of the coder's closing
// bytes, so the decoder took whatever followed in the file in their place. Losing one or two of
// them never changes a block; losing three can: here, with 0xFF bytes after the cut, the block of
// 267 zero bytes decodes with a wrong end. The padded payload decodes alone, nothing after it.
TEST(block_coder, cut_payload_loses_the_block_end_and_padded_one_does_not)
{
    compressor c;
    decompressor d;
    ASSERT_TRUE(open_compressor(c));
    ASSERT_TRUE(open_decompressor(d));
    bytes block(267, 0);
    bytes coded = tarvik::testref::reference_compress(block.data(), block.size());
    ASSERT_EQ(coded.size() % 4, 3u);
    bytes cut(coded.begin(), coded.begin() + (coded.size() & ~size_t(3)));
    cut.resize(cut.size() + 8, 0xFF);
    bytes out(block.size() + 16);
    decode_result r = decompress_block(d, cut.data(), cut.size(), out.data(), out.size());
    out.resize(r.out_bytes);
    EXPECT_NE(out, block);
    bytes payload = compress(c, block);
    out.assign(block.size() + 16, 0);
    r = decompress_block(d, payload.data(), payload.size(), out.data(), out.size());
    EXPECT_EQ(r.status, decode_status::ok);
    out.resize(r.out_bytes);
    EXPECT_EQ(out, block);
}

// 64 KiB of random bytes code to more than 64 KiB. The worst input picks, in every context, the
// byte the model rates least likely; its payload still stays within the bound.
TEST(block_coder, worst_case_input_stays_within_the_bound)
{
    compressor c;
    ASSERT_TRUE(open_compressor(c));
    EXPECT_GT(compress(c, random_bytes(65536, 5)).size(), 65536u);

    std::vector<qsmodel> models(256);
    for (qsmodel &m : models)
        ASSERT_EQ(initqsmodel(&m, 257, 12, 2000, nullptr, 1), 1);
    bytes worst(max_block_bytes);
    int k = 0;
    for (uint8_t &b : worst) {
        int pick = 0;
        for (int s = 1; s < 256; s++)
            if (models[k].cumfreq[s + 1] - models[k].cumfreq[s] <
                models[k].cumfreq[pick + 1] - models[k].cumfreq[pick])
                pick = s;
        qsupdate(&models[k], pick);
        b = uint8_t(pick);
        k = pick;
    }
    for (qsmodel &m : models)
        deleteqsmodel(&m);
    bytes payload = compress(c, worst);
    EXPECT_GT(payload.size(), worst.size() * 5 / 4);
    EXPECT_LE(payload.size(), compress_bound(worst.size()));
}

TEST(block_coder, capacity_below_the_bound_is_refused)
{
    compressor c;
    uint8_t in[4] = {1, 2, 3, 4}, out[64];
    EXPECT_EQ(compress_block(c, in, 4, out, sizeof out), -1) << "compressor not open";
    ASSERT_TRUE(open_compressor(c));
    EXPECT_EQ(compress_block(c, in, 4, out, compress_bound(4) - 1), -1);
    EXPECT_GT(compress_block(c, in, 4, out, compress_bound(4)), 0);
}

// One process compresses and decompresses in turn through the process-wide functions; each keeps
// its own models (the decompressor's with search tables).
TEST(block_coder, process_wide_compressor_and_decompressor_keep_apart)
{
    tarvik::testdata::event_source events(23);
    for (int round = 0; round < 3; round++) {
        bytes block = tarvik::testdata::make_event_block(events, 4096);
        bytes payload(compress_bound(block.size()));
        long length = long(block.size());
        ASSERT_GT(do_compress(block.data(), payload.data(), &length), 0);
        bytes out(block.size());
        long decoded = 0;
        ASSERT_EQ(do_decompress(payload.data(), size_t(length), out.data(), out.size(), &decoded), 0);
        EXPECT_EQ(decoded, long(block.size()));
        EXPECT_EQ(out, block);
        EXPECT_EQ(do_compress_reinit(round % 2), 0);
    }
    do_compress_tidy();
}

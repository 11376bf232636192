// The quasistatic model and the coder's primitive operations.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "qsmodel.h"
#include "range_coder.h"

using namespace tarvik::cz;

namespace {

struct model_guard {
    qsmodel m;
    model_guard(int compress) { EXPECT_EQ(initqsmodel(&m, 257, 12, 2000, nullptr, compress), 1); }
    ~model_guard() { deleteqsmodel(&m); }
};

} // namespace

TEST(qsmodel, reset_spreads_the_total_over_257_symbols)
{
    model_guard g(1);
    EXPECT_EQ(g.m.cumfreq[0], 0);
    EXPECT_EQ(g.m.cumfreq[1], 16);
    EXPECT_EQ(g.m.cumfreq[241], 3856);
    EXPECT_EQ(g.m.cumfreq[242], 3871);
    EXPECT_EQ(g.m.cumfreq[257], 4096);
    EXPECT_EQ(g.m.search_index, nullptr);
}

// After updates and rescales of a skewed stream, every cumulative frequency finds the symbol
// whose interval holds it, and every symbol keeps a frequency of at least 1.
TEST(qsmodel, search_table_finds_the_symbol_of_every_frequency)
{
    model_guard g(0);
    std::mt19937 rng(7);
    std::geometric_distribution<int> skewed(0.05);
    for (int i = 0; i < 20000; i++)
        qsupdate(&g.m, std::min(skewed(rng), 255));
    for (int s = 0; s < 257; s++)
        ASSERT_GE(g.m.cumfreq[s + 1] - g.m.cumfreq[s], 1) << "symbol " << s;
    for (int f = 0; f < 4096; f++) {
        int s = qsgetsym(&g.m, f);
        ASSERT_LE(g.m.cumfreq[s], f);
        ASSERT_LT(f, g.m.cumfreq[s + 1]);
    }
}

// A count that no update made breaks the total; the next full rescale ends the process.
TEST(qsmodel_death, counts_that_lose_their_total_end_the_process)
{
    model_guard g(1);
    g.m.counts[5] += 1;
    auto run = [&g] {
        for (int i = 0; i < 5000; i++)
            qsupdate(&g.m, i % 7);
    };
    EXPECT_EXIT(run(), testing::ExitedWithCode(1), "BUG: rescaling left [0-9]+ total frequency");
    g.m.counts[5] -= 1;
}

// The general-total and byte/short operations, which the block coder does not use.
TEST(range_coder, general_totals_bytes_and_shorts_round_trip)
{
    struct step { uint32_t total, below, freq, byte_value, short_value; };
    std::mt19937 rng(3);
    std::vector<step> steps;
    for (int i = 0; i < 5000; i++) {
        uint32_t total = std::uniform_int_distribution<uint32_t>(2, 65535)(rng);
        uint32_t below = std::uniform_int_distribution<uint32_t>(0, total - 1)(rng);
        uint32_t freq = std::uniform_int_distribution<uint32_t>(1, total - below)(rng);
        steps.push_back({total, below, freq, uint32_t(rng() & 0xFF), uint32_t(rng() & 0xFFFF)});
    }
    std::vector<uint8_t> buf(steps.size() * 8 + 16);
    range_coder enc;
    start_range_encoding(enc, buf.data(), 0, 0);
    for (const step &s : steps) {
        encode_freq(enc, s.freq, s.below, s.total);
        encode_shift(enc, 1, s.byte_value, 8);
        encode_shift(enc, 1, s.short_value, 16);
    }
    uint32_t n = done_range_encoding(enc);
    ASSERT_EQ(n, enc.codelen);
    range_coder dec;
    EXPECT_EQ(start_range_decoding(dec, buf.data(), n), 0);
    for (const step &s : steps) {
        uint32_t f = decode_culfreq(dec, s.total);
        ASSERT_TRUE(f >= s.below && f < s.below + s.freq);
        decode_update(dec, s.freq, s.below, s.total);
        ASSERT_EQ(decode_byte(dec), s.byte_value);
        ASSERT_EQ(decode_short(dec), s.short_value);
    }
    done_range_decoding(dec);
    EXPECT_EQ(dec.codelen, n);
}

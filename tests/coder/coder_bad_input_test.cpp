// Payloads and compressed files that are not what the writer made: the decoder and the header
// walk must stay in bounds and say what is wrong.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "block_coder.h"
#include "ebyecomp.h"
#include "event_data.h"

using namespace tarvik::cz;
using bytes = std::vector<uint8_t>;

namespace {

struct coders {
    compressor c;
    decompressor d;
    coders()
    {
        EXPECT_TRUE(open_compressor(c));
        EXPECT_TRUE(open_decompressor(d));
    }
    bytes payload(const bytes &in)
    {
        bytes out(compress_bound(in.size()));
        out.resize(size_t(compress_block(c, in.data(), in.size(), out.data(), out.size())));
        return out;
    }
    // Decodes into an area with guard bytes after capacity, which must stay untouched.
    decode_result decode(const bytes &payload, size_t capacity)
    {
        bytes out(capacity + 64, 0xAA);
        decode_result r = decompress_block(d, payload.data(), payload.size(), out.data(), capacity);
        EXPECT_LE(r.out_bytes, capacity);
        for (size_t i = capacity; i < out.size(); i++)
            EXPECT_EQ(out[i], 0xAA);
        return r;
    }
};

bytes event_block(uint32_t seed, size_t size)
{
    tarvik::testdata::event_source src(seed);
    return tarvik::testdata::make_event_block(src, size);
}

bytes cz_block(coders &k, const bytes &block)
{
    bytes p = k.payload(block);
    bytes out(header_bytes);
    pack_header(out.data(), uint32_t(p.size()));
    out.insert(out.end(), p.begin(), p.end());
    return out;
}

} // namespace

TEST(bad_payload, cut_anywhere_before_its_end_is_never_whole)
{
    coders k;
    bytes block = event_block(1, 16384);
    bytes p = k.payload(block);
    for (size_t cut : {size_t(0), size_t(1), size_t(4), size_t(7), size_t(8), p.size() / 2, p.size() - 8,
                       p.size() - 5, p.size() - 4, p.size() - 3, p.size() - 1}) {
        bytes part(p.begin(), p.begin() + cut);
        decode_result r = k.decode(part, block.size());
        EXPECT_NE(r.status, decode_status::ok) << "cut at " << cut;
    }
    EXPECT_EQ(k.decode(p, block.size()).status, decode_status::ok);
}

// Garbage that keeps decoding ordinary symbols stops at the output bound.
TEST(bad_payload, garbage_without_an_end_symbol_stops_at_the_bound)
{
    coders k;
    for (uint8_t fill : {uint8_t(0x00), uint8_t(0x55), uint8_t(0xFF)}) {
        decode_result r = k.decode(bytes(100000, fill), 1000);
        EXPECT_TRUE(r.status == decode_status::output_full || r.status == decode_status::corrupt)
            << "fill " << int(fill) << ": " << decode_status_text(r.status);
    }
    decode_result r = k.decode(bytes(100000, 0x00), 1000);
    EXPECT_EQ(r.status, decode_status::output_full);
    EXPECT_EQ(r.out_bytes, 1000u);
}

TEST(bad_payload, damaged_first_byte_count_or_padding_is_corrupt)
{
    coders k;
    bytes block = event_block(2, 2000);
    bytes p = k.payload(block);
    ASSERT_EQ(k.decode(p, block.size()).status, decode_status::ok);
    size_t code_bytes = k.decode(p, block.size()).code_bytes;
    struct damage { const char *what; size_t at; };
    std::vector<damage> cases = {{"byte count", code_bytes - 1}, {"first byte", 0}};
    if (code_bytes < p.size())
        cases.push_back({"padding", p.size() - 1});
    for (const damage &d : cases) {
        bytes bad = p;
        bad[d.at] ^= 0x01;
        EXPECT_NE(k.decode(bad, block.size()).status, decode_status::ok) << d.what;
    }
    bytes longer = p;
    longer.insert(longer.end(), 4, 0);
    EXPECT_EQ(k.decode(longer, block.size()).status, decode_status::corrupt) << "extra padding word";
}

TEST(bad_payload, output_smaller_than_the_block_is_full)
{
    coders k;
    bytes block = event_block(3, 4096);
    decode_result r = k.decode(k.payload(block), block.size() - 1);
    EXPECT_EQ(r.status, decode_status::output_full);
    EXPECT_EQ(r.out_bytes, block.size() - 1);
}

TEST(bad_header, every_field_that_matters_is_checked)
{
    uint8_t good[header_bytes];
    pack_header(good, 64);
    struct header_case { const char *what; int at; uint8_t value; uint64_t after; header_status expect; };
    const header_case cases[] = {
        {"good", -1, 0, 64, header_status::ok},
        {"payload past the end", -1, 0, 63, header_status::past_end},
        {"name", 7, 'Q', 64, header_status::bad_name},
        {"TSEndian 256", 16, 0, 64, header_status::bad_endian},
        {"nbytes not a multiple of 4", 20, 66, 100, header_status::bad_length},
        {"nbytes 4", 20, 4, 100, header_status::bad_length},
        {"nbytes negative", 23, 0x80, ~uint64_t(0), header_status::bad_length},
        {"nbytes beyond the largest payload", 22, 0x10, ~uint64_t(0), header_status::bad_length},
    };
    for (const header_case &hc : cases) {
        uint8_t h[header_bytes];
        std::copy(good, good + header_bytes, h);
        if (hc.at == 16)
            h[17] = 1;
        if (hc.at >= 0)
            h[hc.at] = hc.value;
        uint32_t nbytes = 0;
        EXPECT_EQ(check_header(h, hc.after, nbytes), hc.expect) << hc.what;
    }
}

namespace {

struct temp_file {
    std::string path;
    int fd;
    explicit temp_file(const bytes &content)
    {
        char name[] = "/tmp/tarvik-cz-XXXXXX";
        fd = mkstemp(name);
        path = name;
        EXPECT_EQ(write(fd, content.data(), content.size()), ssize_t(content.size()));
    }
    ~temp_file()
    {
        close(fd);
        unlink(path.c_str());
    }
};

} // namespace

TEST(bad_file, walk_stops_at_the_first_bad_block)
{
    coders k;
    bytes file;
    std::vector<size_t> ends;
    for (uint32_t i = 0; i < 3; i++) {
        bytes b = cz_block(k, event_block(10 + i, 1000 + 700 * i));
        file.insert(file.end(), b.begin(), b.end());
        ends.push_back(file.size());
    }
    struct tail_case { const char *what; bytes tail; header_status expect; };
    bytes past = cz_block(k, event_block(20, 1000));
    past.resize(past.size() - 4);
    const tail_case cases[] = {
        {"nothing", {}, header_status::end_of_file},
        {"10 bytes", bytes(10, 0x45), header_status::short_header},
        {"old data", bytes(64, 0x5E), header_status::bad_name},
        {"payload cut short", past, header_status::past_end},
    };
    for (const tail_case &tc : cases) {
        bytes content = file;
        content.insert(content.end(), tc.tail.begin(), tc.tail.end());
        temp_file t(content);
        walk_result all = walk_headers(t.fd, 1000);
        EXPECT_EQ(all.status, tc.expect) << tc.what;
        EXPECT_EQ(all.blocks, 3) << tc.what;
        EXPECT_EQ(size_t(all.offset), ends[2]) << tc.what;
        walk_result two = walk_headers(t.fd, 2);
        EXPECT_EQ(two.status, header_status::ok);
        EXPECT_EQ(size_t(two.offset), ends[1]);
    }
}

TEST(bad_file, block_decoder_checks_the_header_before_the_payload)
{
    coders k;
    bytes block = event_block(30, 3000);
    bytes cz = cz_block(k, block);
    bytes out(max_block_bytes);
    block_result r = decode_cz_block(k.d, cz.data(), cz.size(), out.data(), out.size());
    EXPECT_EQ(r.header, header_status::ok);
    EXPECT_EQ(r.payload, decode_status::ok);
    EXPECT_EQ(r.block_bytes, cz.size());
    EXPECT_TRUE(std::equal(block.begin(), block.end(), out.begin()));
    EXPECT_EQ(decode_cz_block(k.d, cz.data(), cz.size() - 1, out.data(), out.size()).header,
              header_status::past_end);
    EXPECT_EQ(decode_cz_block(k.d, cz.data(), 20, out.data(), out.size()).header,
              header_status::short_header);
}

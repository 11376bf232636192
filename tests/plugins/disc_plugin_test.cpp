// The built xsys_disc and afrodite_disc plug-ins, loaded as the runtime loads them: the handler
// frame, the block-length command, positioning, and each reader's block handling.
#include <gtest/gtest.h>

#include <string>

#include "plugin_fixture.h"
#include "tarvikstats.h"

namespace {

using datagen::words;

struct xsys_disc : disc_plugin_fixture {
    input_plugin &p = loaded("xsys_disc");
    void TearDown() override { p.command(1, const_cast<char *>("1024")); }
};

struct afrodite_disc : disc_plugin_fixture {
    input_plugin &p = loaded("afrodite_disc");
};

// A data block whose first event word identifies it.
words data_block(uint16_t tag, int blength = -1, int first = 8, int block_length = 1024)
{
    words b(static_cast<size_t>(block_length / 2), 0);
    b[0] = static_cast<uint16_t>(blength < 0 ? block_length : blength);
    b[1] = static_cast<uint16_t>(first);
    b[static_cast<size_t>(first / 2)] = tag;
    return b;
}

TEST_F(xsys_disc, init_open_and_close)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ(p.init(), 1);
    EXPECT_EQ(input_handler_type, 2);
    ASSERT_EQ(test_host::messages().size(), 1u);
    EXPECT_EQ(test_host::messages()[0].text, "Starting Xsys Disc input handler ...\n");
    EXPECT_EQ(test_host::messages()[0].flag, 0);

    test_host::set_input_file(1, dir.file("absent"));
    EXPECT_EQ(p.open(1), -1);
    EXPECT_EQ(discfd[0], 0);
    EXPECT_EQ(p.open(0), -1);
    EXPECT_EQ(p.open(TARVIK_MAX_STREAMS + 1), -1);
    testing::internal::GetCapturedStdout();

    open_run_file(p, on_disc({data_block(0x1111)}));
    EXPECT_NE(discfd[0], 0);
    EXPECT_EQ(p.close(1, 0), 0);
    EXPECT_EQ(discfd[0], 0);
    EXPECT_EQ(test_host::messages().back().text, "Xsys stream 1: Closed\n");
    EXPECT_EQ(read(p), 0) << "a closed stream has no blocks";
}

TEST_F(xsys_disc, hands_on_data_blocks_in_host_order_and_skips_comment_blocks)
{
    open_run_file(p, on_disc({data_block(0x1111, 383), datagen::xsys_comment_block("run 12: beam on", 0x80FF),
                              datagen::xsys_comment_block("not shown", 0x80FD), data_block(0x2222, 384)}));
    testing::internal::CaptureStdout();
    int n = read(p);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nrun 12: beam on\n");
    EXPECT_EQ(offset, 8);
    EXPECT_EQ(n, 384 - 8) << "data bytes from the first event to the block length";
    EXPECT_EQ(word_at(offset), 0x2222);
    EXPECT_EQ(read(p), 0);
}

TEST_F(xsys_disc, returns_the_bytes_up_to_the_block_length_and_never_past_the_read)
{
    open_run_file(p, on_disc({data_block(0x3333, 600, 40), data_block(0x4444, 4000)}));
    EXPECT_EQ(read(p), 600 - 40);
    EXPECT_EQ(offset, 40);
    EXPECT_EQ(word_at(40), 0x3333);
    EXPECT_EQ(read(p), 1024 - 8);
}

TEST_F(xsys_disc, skips_malformed_blocks)
{
    datagen::bytes short_tail(6, 0);
    open_run_file(p, {datagen::big_endian(data_block(0x1, 1024, 9)), datagen::big_endian(data_block(0x2, 400, 398)),
                      datagen::big_endian(data_block(0x5555)), short_tail});
    EXPECT_EQ(read(p), 1024 - 8);
    EXPECT_EQ(word_at(offset), 0x5555);
    EXPECT_EQ(read(p), 0);
}

TEST_F(xsys_disc, a_read_error_is_passed_on)
{
    test_host::set_input_file(1, dir.path.string());
    p.init();
    ASSERT_EQ(p.open(1), 0);
    EXPECT_EQ(read(p), -1);
}

TEST_F(xsys_disc, block_length_command)
{
    struct command_case {
        const char *text;
        int length_after;
        bool refused;
    };
    const command_case cases[] = {{"0", 1024, true}, {"40000", 1024, true}, {"abc", 1024, true},
                                  {"32768", 32768, false}, {"512", 512, false}, {"-5", 512, true}};
    for (const command_case &c : cases) {
        SCOPED_TRACE(c.text);
        testing::internal::CaptureStdout();
        EXPECT_EQ(p.command(1, const_cast<char *>(c.text)), 1);
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  c.refused ? "Input handler command: Invalid block length\n" : "");
    }
    // The length now in force shows in what a read asks for: 512 bytes of a 1024-byte block.
    open_run_file(p, on_disc({data_block(0x6666)}));
    EXPECT_EQ(read(p), 512 - 8);
    EXPECT_EQ(p.command(2, const_cast<char *>("somehost")), 1);
}

TEST_F(xsys_disc, positions_by_block_number_in_the_current_block_length)
{
    open_run_file(p, on_disc({data_block(0x0001), data_block(0x0002), data_block(0x0003)}));
    EXPECT_EQ(p.setpos(1, 3), 0);
    read(p);
    EXPECT_EQ(word_at(offset), 0x0003);
    EXPECT_EQ(p.setpos(1, 2), 0);
    read(p);
    EXPECT_EQ(word_at(offset), 0x0002);
    EXPECT_EQ(p.setpos(1, 0), -1) << "block 0 lies before the file";
    p.close(1, 0);
    EXPECT_EQ(p.setpos(1, 1), -1) << "nothing open";
}

TEST_F(xsys_disc, traces_at_the_documented_levels)
{
    open_run_file(p, on_disc({data_block(0x0001), data_block(0x0002)}));
    test_host::control().input_trace = 4;
    testing::internal::CaptureStdout();
    int n = read(p);
    std::string shown = testing::internal::GetCapturedStdout();
    EXPECT_NE(shown.find("Entering input_handler_read() stream 1 \n"), std::string::npos);
    EXPECT_NE(shown.find("Exiting Xsys dev_read() stream 1 buffer "), std::string::npos);
    EXPECT_NE(shown.find(" ret " + std::to_string(n) + "\n"), std::string::npos);
    EXPECT_EQ(test_host::print_lines_calls(), 0);
    test_host::control().input_trace = 5;
    testing::internal::CaptureStdout();
    read(p);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("dev_read: ret=1024 instart->blength=1024 instart->evid=0\n"),
              std::string::npos);
    EXPECT_EQ(test_host::print_lines_bytes(), 1024);
}

datagen::bytes afrodite_block(const words &data, datagen::eurogam_block_layout layout = {})
{
    return datagen::eurogam_block(data, layout);
}

TEST_F(afrodite_disc, skips_filler_and_hands_on_the_data_after_the_header)
{
    open_run_file(p, {datagen::filler_block(), afrodite_block({0x8103, 0x0042})});
    EXPECT_EQ(read(p), 16384 - 24);
    EXPECT_EQ(offset, 24);
    EXPECT_EQ(word_at(24), 0x8103);
    EXPECT_EQ(read(p), 0);
    EXPECT_EQ(test_host::messages().front().text, "Starting Afrodite Disc input handler ...\n");
    p.close(1, 0);
    EXPECT_EQ(test_host::messages().size(), 1u) << "afrodite_disc closes without a message";
}

TEST_F(afrodite_disc, byte_order_of_header_and_data)
{
    struct order_case {
        const char *what;
        int16_t ts_endian, data_endian;
        int32_t nbytes;
        bool stored_swapped;
        words expected;   // the first four data words as handed on
    };
    const words data{0x1234, 0x5678, 0x9ABC, 0xDEF0};
    const order_case cases[] = {
        {"same order", 1, 1, 8, false, data},
        {"opposite data order", 1, 256, 8, true, data},
        {"opposite data, header length counts two words", 1, 256, 4, true, {0x1234, 0x5678, 0xBC9A, 0xF0DE}},
        {"opposite header order: its length is swapped", 256, 256, 0x08000000, true, data},
        {"opposite header order that does not fit is swapped back", 256, 256, 4, true, {0x1234, 0x5678, 0xBC9A, 0xF0DE}},
        {"unstated header order, length too big: swapped", 0, 256, 0x04000000, true, {0x1234, 0x5678, 0xBC9A, 0xF0DE}},
        {"unstated data order, nbytes 0x9000: swapped", 1, 0, 0x9000, true, data},
        {"unstated data order, nbytes 0x1000: left", 1, 0, 0x1000, false, data},
        {"a length past the block swaps only what was read", 1, 256, 0x7FFFFFFF, true, data},
        {"a negative length swaps nothing", 1, 256, -8, false, data},
    };
    for (const order_case &c : cases) {
        SCOPED_TRACE(c.what);
        test_host::reset();
        datagen::eurogam_block_layout layout{16384, c.ts_endian, c.data_endian, c.nbytes, c.stored_swapped};
        open_run_file(p, {afrodite_block(data, layout)});
        ASSERT_EQ(read(p), 16384 - 24);
        EXPECT_EQ(words(reinterpret_cast<uint16_t *>(buffer.data() + 24), reinterpret_cast<uint16_t *>(buffer.data() + 32)),
                  c.expected);
        p.close(1, 0);
    }
}

TEST_F(afrodite_disc, a_bad_header_format_ends_the_input_with_an_error)
{
    struct bad_case {
        int16_t ts_endian, data_endian;
        int dumped;
    };
    for (const bad_case &c : {bad_case{2, 1, 64}, bad_case{1, 3, 0}}) {
        SCOPED_TRACE(c.ts_endian);
        test_host::reset();
        open_run_file(p, {afrodite_block({1, 2}, {16384, c.ts_endian, c.data_endian, std::nullopt, false})});
        input_blocks_read = 7;
        testing::internal::CaptureStdout();
        EXPECT_EQ(read(p), -1);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "***error: bad header format: stream 1 block 7\n");
        EXPECT_EQ(test_host::messages().back().text, "***error: bad header format: stream 1 block 7\n");
        EXPECT_EQ(test_host::messages().back().flag, 1);
        EXPECT_EQ(input_eof_reached, 1);
        EXPECT_EQ(input_eof_code, -1);
        EXPECT_EQ(test_host::print_lines_bytes(), c.dumped);
        p.close(1, 0);
    }
}

TEST_F(afrodite_disc, a_final_block_shorter_than_a_header_yields_nothing)
{
    open_run_file(p, {afrodite_block({0x8103, 0x0042}), datagen::bytes(10, 0x5E)});
    EXPECT_EQ(read(p), 16384 - 24);
    EXPECT_EQ(read(p), 0);
}

} // namespace

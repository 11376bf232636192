// The compressed disc output plug-in, loaded as the runtime loads it.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "ebyecomp.h"
#include "event_data.h"
#include "test_host.h"

using namespace tarvik::cz;
using namespace tarvik::testhost;
using bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

namespace {

bytes read_file(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    return bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The event blocks a file holds, decoded; fails the test on anything but whole blocks.
std::vector<bytes> decode_file(const fs::path &p)
{
    bytes file = read_file(p);
    decompressor d;
    EXPECT_TRUE(open_decompressor(d));
    std::vector<bytes> blocks;
    size_t at = 0;
    while (at < file.size()) {
        bytes out(max_block_bytes);
        block_result r = decode_cz_block(d, file.data() + at, file.size() - at, out.data(), out.size());
        if (r.header != header_status::ok || r.payload != decode_status::ok) {
            ADD_FAILURE() << "block " << blocks.size() + 1 << ": " << header_status_text(r.header) << ", "
                          << decode_status_text(r.payload);
            break;
        }
        out.resize(r.out_bytes);
        blocks.push_back(out);
        at += r.block_bytes;
    }
    return blocks;
}

// The block as the plug-in codes it: both endian fields of its header set to 1.
bytes as_written(bytes block)
{
    block[16] = 1, block[17] = 0, block[18] = 1, block[19] = 0;
    return block;
}

class cz_out : public testing::Test {
protected:
    const output_plugin *p = nullptr;
    fs::path dir;
    tarvik::testdata::event_source events{99};

    void SetUp() override
    {
        p = load_output_plugin(TARVIK_CZ_OUT_PLUGIN);
        ASSERT_NE(p, nullptr);
        control().output_trace = 0;
        control().output_maxfileoffset = int64_t(1) << 40;
        char tmpl[] = "/tmp/tarvik-cz-out-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        messages().clear();
    }
    void TearDown() override
    {
        for (int s = 1; s <= TARVIK_MAX_STREAMS; s++)
            if (p)
                p->close(s);
        fs::remove_all(dir);
    }
    fs::path open_stream(int stream, const std::string &name)
    {
        EXPECT_EQ(p->init(stream), 1);
        set_output_file(stream, (dir / name).string());
        EXPECT_EQ(p->open(stream), 0);
        return dir / name;
    }
    // An event block of `length` data bytes after its header.
    bytes block(int length) { return tarvik::testdata::make_event_block(events, size_t(length) + 24); }
    int write(int stream, bytes &b) { return p->write(stream, b.data(), int(b.size()) - 24); }
};

} // namespace

TEST_F(cz_out, init_announces_the_handler_and_guards_the_stream_number)
{
    discfd[2] = 0;
    output_handler_type = 0;
    EXPECT_EQ(p->init(3), 1);
    EXPECT_EQ(output_handler_type, DISC_HANDLER);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "Output Stream 3: Starting Eurogam CZ Disc handler ...\n");
    EXPECT_EQ(messages()[0].flag, 0);
    for (int bad : {0, 5, -1}) {
        messages().clear();
        EXPECT_EQ(p->init(bad), -1);
        EXPECT_EQ(p->open(bad), -1);
        ASSERT_FALSE(messages().empty());
        EXPECT_EQ(messages()[0].flag, 1);
    }
    char text[] = "anything";
    EXPECT_EQ(p->command(1, text), 1);
}

TEST_F(cz_out, blocks_written_decode_to_the_blocks_given)
{
    fs::path f = open_stream(1, "run.cz");
    std::vector<bytes> given;
    for (int length : {0, 100, 10000, 16360, 20000, 40000, 65536}) {
        bytes b = block(length);
        int n = write(1, b);
        EXPECT_GT(n, 24);
        EXPECT_EQ(n % 4, 0);
        given.push_back(as_written(b));
    }
    // Random data codes to more than it holds; the work buffer takes the coder's worst case.
    std::mt19937 rng(4);
    bytes noise(65536 + 24);
    for (uint8_t &x : noise)
        x = uint8_t(rng());
    EXPECT_GT(write(1, noise), 65536 + 24);
    given.push_back(as_written(noise));
    p->close(1);
    EXPECT_EQ(discfd[0], 0);
    EXPECT_EQ(decode_file(f), given);
    bytes file = read_file(f);
    ebyecomp_header h = unpack_header(file.data());
    EXPECT_EQ(std::string(h.name, 8), "EBYECOMP");
    EXPECT_EQ(h.TSEndian, 1);
    EXPECT_EQ(h.blockno & 0xFF, 0);
}

// The nominal block size follows the data length; the file may hold maxfileoffset / nominal
// blocks, and the write of the last one it may hold says -1 after writing it.
TEST_F(cz_out, full_file_is_reported_by_the_nominal_block_size)
{
    struct size_case { int length; int64_t maxfileoffset; int blocks; };
    const size_case cases[] = {
        {10000, 163840, 10}, {16384, 163840, 10}, {16385, 163840, 5}, {20000, 163840, 5},
        {32768, 163840, 5},  {32769, 163840, 2},  {40000, 163840, 2}, {40000, 65536, 1},
    };
    for (const size_case &sc : cases) {
        SCOPED_TRACE(testing::Message() << sc.length << " bytes, " << sc.maxfileoffset);
        control().output_maxfileoffset = sc.maxfileoffset;
        fs::path f = open_stream(2, "full.cz");
        for (int i = 1; i <= sc.blocks; i++) {
            bytes b = block(sc.length);
            int n = write(2, b);
            if (i < sc.blocks)
                EXPECT_GT(n, 0) << "block " << i;
            else
                EXPECT_EQ(n, -1) << "block " << i;
        }
        p->close(2);
        EXPECT_EQ(decode_file(f).size(), size_t(sc.blocks));
    }
}

TEST_F(cz_out, opening_an_existing_file_warns_and_starts_it_anew)
{
    fs::path f = dir / "again.cz";
    testing::internal::CaptureStdout();
    open_stream(1, "again.cz");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    bytes first = block(30000);
    for (int i = 0; i < 4; i++)
        write(1, first);
    p->close(1);

    testing::internal::CaptureStdout();
    open_stream(1, "again.cz");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Output Warning! About to overwrite file " + f.string() + " ...\n");
    bytes second = block(500);
    write(1, second);
    p->close(1);
    EXPECT_EQ(decode_file(f), std::vector<bytes>{as_written(second)});
}

TEST_F(cz_out, trace_reports_open_and_write)
{
    control().output_trace = 1;
    testing::internal::CaptureStdout();
    fs::path f = open_stream(4, "trace.cz");
    bytes b = block(64);
    write(4, b);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Output stream 4: Opening file " + f.string() + "\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Output stream 4: Opened file " + f.string() + "\n"), std::string::npos) << out;
    EXPECT_NE(out.find("maxlength 65536, received 64\n"), std::string::npos) << out;
}

// Blocks differ in length: positioning walks the headers, lands on block blockno and drops the
// blocks from there on, which the next write replaces.
TEST_F(cz_out, setpos_lands_on_the_block_asked_for)
{
    fs::path f = open_stream(1, "pos.cz");
    std::vector<bytes> given;
    for (int length : {1000, 9000, 300, 20000, 4000}) {
        bytes b = block(length);
        write(1, b);
        given.push_back(as_written(b));
    }
    EXPECT_EQ(p->setpos(1, 7), -1);
    EXPECT_EQ(p->setpos(1, 0), -1);
    EXPECT_EQ(p->setpos(1, 3), 0);
    bytes replacement = block(700);
    write(1, replacement);
    p->close(1);
    EXPECT_EQ(decode_file(f), (std::vector<bytes>{given[0], given[1], as_written(replacement)}));
    EXPECT_EQ(p->setpos(1, 1), -1) << "no file open";
}

TEST_F(cz_out, failures_say_so_and_return_minus_one)
{
    EXPECT_EQ(p->init(1), 1);
    bytes b = block(100);
    messages().clear();
    EXPECT_EQ(write(1, b), -1) << "no file open";
    set_output_file(1, (dir / "no-such-dir" / "x.cz").string());
    EXPECT_EQ(p->open(1), -1);
    std::memset(control().output[0].data_record.file_name, 'a', sizeof control().output[0].data_record.file_name);
    EXPECT_EQ(p->open(1), -1) << "name without a terminator";
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_NE(messages()[1].text.find("No such file or directory"), std::string::npos) << messages()[1].text;
    for (const message &m : messages())
        EXPECT_EQ(m.flag, 1) << m.text;

    fs::path f = open_stream(1, "big.cz");
    bytes huge(65536 + 24 + 1);
    EXPECT_EQ(p->write(1, huge.data(), 65537), -1);
    EXPECT_EQ(p->write(1, huge.data(), -1), -1);
    p->close(1);
    EXPECT_EQ(fs::file_size(f), 0u);
}

// A write cut short by a full disc is taken back: the file keeps exactly the blocks before it.
TEST_F(cz_out, failed_write_leaves_the_earlier_blocks_whole)
{
    fs::path f = open_stream(1, "limit.cz");
    std::vector<bytes> given;
    for (int i = 0; i < 6; i++)
        given.push_back(block(8000));
    auto fill_the_disc = [&] {
        signal(SIGXFSZ, SIG_IGN);
        rlimit lim{12000, 12000};
        setrlimit(RLIMIT_FSIZE, &lim);
        int results = 0;
        for (bytes &b : given)
            results = results * 10 + (write(1, b) > 0 ? 1 : 2);
        bool said = !messages().empty() && messages().back().flag == 1;
        std::fprintf(stderr, "results %d said %d\n", results, said ? 1 : 0);
        std::fflush(stderr);
        _exit(0);
    };
    EXPECT_EXIT(fill_the_disc(), testing::ExitedWithCode(0), "results 1+2+ said 1");
    p->close(1);
    std::vector<bytes> blocks = decode_file(f);
    ASSERT_GE(blocks.size(), 1u);
    ASSERT_LT(blocks.size(), given.size());
    for (size_t i = 0; i < blocks.size(); i++)
        EXPECT_EQ(blocks[i], as_written(given[i]));
}

#include "test_host.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <utility>

#include "tarvikstats.h"

namespace {

sort_cntl_struct control_block;
std::deque<std::vector<uint16_t>> queued;
std::vector<uint16_t> current;
int end_result;
std::vector<test_host::message> logged;
int dump_calls, dump_bytes;

} // namespace

extern "C" {

volatile sort_cntl_struct *sort_cntl = &control_block;
uint16_t *inptr;
uint16_t *inend;
int goodevents, badevents, badblocks;
sort_stats_struct stats;
const char *const buffer_state_names[N_STATES] = {"FREE", "FILLING", "FULL", "CLEARING", "OLD", "INVALID"};
char basedir[1024];
int discfd[TARVIK_MAX_STREAMS];
char spysource[256];
int spyport;
int input_handler_type, output_handler_type;
int input_deferred_close, input_run_state;
int input_blocks_read, input_eof_reached, input_eof_code;
int input_streams_supported_by_handler = 1;

int input_get_next_block(int)
{
    if (queued.empty())
        return end_result;
    current = std::move(queued.front());
    queued.pop_front();
    inptr = current.data();
    inend = current.data() + current.size();
    input_blocks_read++;
    return 1;
}

void sort_message(const char *text, int flag)
{
    logged.push_back({text, flag});
}

void byteswap(void *buffer, int count, int size)
{
    auto *bytes = static_cast<unsigned char *>(buffer);
    for (int i = 0; i < count; i++, bytes += size)
        for (int lo = 0, hi = size - 1; lo < hi; lo++, hi--)
            std::swap(bytes[lo], bytes[hi]);
}

int discfileopen(int stream)
{
    return open(const_cast<const char *>(sort_cntl->input[stream - 1].data_record.file_name), O_RDONLY);
}

int discfileread(int fd, void *buffer, int length)
{
    int total = 0;
    while (total < length) {
        ssize_t n = read(fd, static_cast<char *>(buffer) + total, static_cast<size_t>(length - total));
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        total += static_cast<int>(n);
    }
    return total;
}

int discfileclose(int fd)
{
    return close(fd);
}

void print_lines(const void *, int nbytes)
{
    dump_calls++;
    dump_bytes += nbytes;
}

void wait_abit(int, int) {}

int atl_get_bailout_status(void)
{
    return 0;
}

} // extern "C"

namespace test_host {

void reset()
{
    std::memset(&control_block, 0, sizeof control_block);
    sort_cntl = &control_block;
    queued.clear();
    current.clear();
    inptr = inend = nullptr;
    goodevents = badevents = badblocks = 0;
    input_blocks_read = input_eof_reached = input_eof_code = 0;
    input_handler_type = 0;
    end_result = 0;
    logged.clear();
    dump_calls = dump_bytes = 0;
    for (int &fd : discfd) {
        if (fd > 0)
            close(fd);
        fd = 0;
    }
}

sort_cntl_struct &control()
{
    return control_block;
}

void set_input_file(int stream, const std::string &path)
{
    std::snprintf(control_block.input[stream - 1].data_record.file_name,
                  sizeof control_block.input[stream - 1].data_record.file_name, "%s", path.c_str());
}

void set_basedir(const std::string &dir)
{
    std::snprintf(basedir, sizeof basedir, "%s", dir.c_str());
}

void queue_block(const std::vector<uint16_t> &words)
{
    queued.push_back(words);
}

void queue_read_block(const char *buffer, int offset, int nbytes)
{
    std::vector<uint16_t> words(static_cast<size_t>(nbytes / 2));
    if (!words.empty())
        std::memcpy(words.data(), buffer + offset, words.size() * 2);
    queued.push_back(std::move(words));
}

void set_end_result(int result)
{
    end_result = result;
}

size_t blocks_queued()
{
    return queued.size();
}

const std::vector<message> &messages()
{
    return logged;
}

int print_lines_calls()
{
    return dump_calls;
}

int print_lines_bytes()
{
    return dump_bytes;
}

} // namespace test_host

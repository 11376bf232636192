// Test fixture: a small stand-in for the sort runtime's side of the plug-in interface. It defines
// the host data and routines of tarvikcntl.h, serves input blocks from a queue, collects
// sort_message calls and reads real files for the disc routines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tarvikcntl.h"

namespace test_host {

struct message {
    std::string text;
    int flag;
};

// A fresh control block, counters at zero, no blocks, no messages, no open file.
void reset();

sort_cntl_struct &control();
void set_input_file(int stream, const std::string &path);
void set_basedir(const std::string &dir);

// The next input_get_next_block makes this block current, word for word.
void queue_block(const std::vector<uint16_t> &words);
// A block as a read reported it: nbytes data bytes from offset in buffer.
void queue_read_block(const char *buffer, int offset, int nbytes);
// What input_get_next_block returns once the queue is empty (0 unless set).
void set_end_result(int result);
size_t blocks_queued();

const std::vector<message> &messages();
int print_lines_calls();
int print_lines_bytes();

} // namespace test_host

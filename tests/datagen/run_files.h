// Builds raw input data with known content: Fera module readouts, Xsys events and record blocks,
// Afrodite event blocks behind a ts_block_header, and writes them as disc run files. Shared by
// the plug-in tests, the runtime's end-to-end tests and the benchmarks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace datagen {

using words = std::vector<uint16_t>;
using bytes = std::vector<char>;

// A module readout: header (bit 15, nadcs in bits 8-11, VSN in bits 0-7), the pattern word for
// pattern types 1-3, then the data words. nadcs defaults to the number of data words.
words fera_module(int vsn, const words &data, int pattern_type = 0, uint16_t pattern = 0, int nadcs = -1);

// An Xsys event: its byte length (these two header words included), the event header word
// 0x8000 | evid, then the module readouts.
words xsys_event(const words &readouts, int evid = 1);

struct xsys_block_layout {
    int block_length = 1024;     // bytes of every block on disc
    int first_event = 8;         // byte offset of the first event, after the block_data_record
    int blength = -1;            // the record's block length; -1: block_length
};

// Packs events into data blocks, as many as fit in each, zero-padded to the block length.
std::vector<words> xsys_data_blocks(const std::vector<words> &events, const xsys_block_layout &layout = {});

// A comment block: blength below 384, the mark as the second word of its first event and the
// text 32 bytes after the first event (packed two characters a word, first in the low byte).
words xsys_comment_block(const std::string &text, uint16_t mark, int block_length = 1024);

// The block as it lies on disc: big-endian 16-bit words.
bytes big_endian(const words &block);

struct eurogam_block_layout {
    int block_length = 16384;    // bytes of every block on disc; the data is zero-padded
    int16_t ts_endian = 1;       // the header fields as stored
    int16_t data_endian = 1;
    std::optional<int32_t> nbytes; // the data's length unless given
    bool swap_data = false;      // store the data words byte-swapped
};

// An Afrodite block: a ts_block_header, then the data words in our byte order unless swapped.
bytes eurogam_block(const words &data, const eurogam_block_layout &layout = {});

// A filler block: "^^^^" and zeros.
bytes filler_block(int block_length = 16384);

// Afrodite events: each event's readouts followed by 0xFFFF.
words afrodite_events(const std::vector<words> &events);

void write_file(const std::string &path, const std::vector<bytes> &blocks);

} // namespace datagen

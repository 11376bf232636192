#include "run_files.h"

#include <cstring>
#include <fstream>
#include <stdexcept>

namespace datagen {

words fera_module(int vsn, const words &data, int pattern_type, uint16_t pattern, int nadcs)
{
    int n = nadcs < 0 ? static_cast<int>(data.size()) : nadcs;
    words w{static_cast<uint16_t>(0x8000 | (n & 0x0F) << 8 | (vsn & 0xFF))};
    if (pattern_type >= 1 && pattern_type <= 3)
        w.push_back(pattern);
    w.insert(w.end(), data.begin(), data.end());
    return w;
}

words xsys_event(const words &readouts, int evid)
{
    words w{static_cast<uint16_t>((readouts.size() + 2) * 2), static_cast<uint16_t>(0x8000 | (evid & 0xFF))};
    w.insert(w.end(), readouts.begin(), readouts.end());
    return w;
}

namespace {

words empty_record_block(const xsys_block_layout &layout)
{
    words block(static_cast<size_t>(layout.block_length / 2), 0);
    block[0] = static_cast<uint16_t>(layout.blength < 0 ? layout.block_length : layout.blength);
    block[1] = static_cast<uint16_t>(layout.first_event & 0x3FF);
    return block;
}

} // namespace

std::vector<words> xsys_data_blocks(const std::vector<words> &events, const xsys_block_layout &layout)
{
    std::vector<words> blocks;
    size_t capacity = static_cast<size_t>(layout.block_length / 2);
    size_t at = capacity;
    for (const words &event : events) {
        if (event.size() > capacity - static_cast<size_t>(layout.first_event / 2))
            throw std::length_error("event longer than a block");
        if (at + event.size() > capacity) {
            blocks.push_back(empty_record_block(layout));
            at = static_cast<size_t>(layout.first_event / 2);
        }
        std::copy(event.begin(), event.end(), blocks.back().begin() + static_cast<long>(at));
        at += event.size();
    }
    return blocks;
}

words xsys_comment_block(const std::string &text, uint16_t mark, int block_length)
{
    xsys_block_layout layout{block_length, 8, 200};
    words block = empty_record_block(layout);
    block[4] = 0x0000;
    block[5] = mark;
    size_t first_text_word = (8 + 32) / 2;
    for (size_t i = 0; i < text.size() && first_text_word + i / 2 < block.size(); i++)
        block[first_text_word + i / 2] |= static_cast<uint16_t>(static_cast<unsigned char>(text[i]) << (i % 2 * 8));
    return block;
}

bytes big_endian(const words &block)
{
    bytes b;
    for (uint16_t w : block) {
        b.push_back(static_cast<char>(w >> 8));
        b.push_back(static_cast<char>(w & 0xFF));
    }
    return b;
}

bytes eurogam_block(const words &data, const eurogam_block_layout &layout)
{
    bytes b(static_cast<size_t>(layout.block_length), 0);
    int32_t nbytes = layout.nbytes.value_or(static_cast<int32_t>(data.size() * 2));
    std::memcpy(b.data(), "EBYEDATA", 8);
    std::memcpy(b.data() + 16, &layout.ts_endian, 2);
    std::memcpy(b.data() + 18, &layout.data_endian, 2);
    std::memcpy(b.data() + 20, &nbytes, 4);
    size_t room = (b.size() - 24) / 2;
    for (size_t i = 0; i < data.size() && i < room; i++) {
        uint16_t w = layout.swap_data ? static_cast<uint16_t>(data[i] << 8 | data[i] >> 8) : data[i];
        std::memcpy(b.data() + 24 + 2 * i, &w, 2);
    }
    return b;
}

bytes filler_block(int block_length)
{
    bytes b(static_cast<size_t>(block_length), 0);
    std::memcpy(b.data(), "^^^^", 4);
    return b;
}

words afrodite_events(const std::vector<words> &events)
{
    words w;
    for (const words &event : events) {
        w.insert(w.end(), event.begin(), event.end());
        w.push_back(0xFFFF);
    }
    return w;
}

void write_file(const std::string &path, const std::vector<bytes> &blocks)
{
    std::ofstream out(path, std::ios::binary);
    for (const bytes &b : blocks)
        out.write(b.data(), static_cast<std::streamsize>(b.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

} // namespace datagen

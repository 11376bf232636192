// Generated detector data in event blocks as the runtime writes them, for the coder's tests and
// benchmark: a 24-byte block header, events in the Eurogam event format in host byte order, the
// terminator pair, zero fill.
#ifndef TARVIK_TEST_EVENT_DATA_H
#define TARVIK_TEST_EVENT_DATA_H

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace tarvik::testdata {

// An array of germanium detectors with suppression shields seeing a gamma cascade: per event a
// trigger group (counter and time stamp), germanium groups (energy, time) and shield groups.
struct event_source {
    std::mt19937 rng;
    uint32_t event_count = 0;
    uint32_t block_count = 0;
    explicit event_source(uint32_t seed) : rng(seed) {}
};

// One block of block_bytes bytes (header included, at least 24; no room for events leaves
// the terminator out too).
std::vector<uint8_t> make_event_block(event_source &src, size_t block_bytes);

// Consecutive blocks of block_bytes each, about total_bytes in all.
std::vector<uint8_t> make_event_file(size_t total_bytes, size_t block_bytes, uint32_t seed);

} // namespace tarvik::testdata

#endif

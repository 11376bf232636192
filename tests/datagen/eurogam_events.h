// Reads translator output in the Eurogam event format back into events and groups, checking the
// layout as it goes (markers, lengths, pad words, the terminator).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace datagen {

struct eurogam_group {
    int number;
    std::vector<uint16_t> words;
    bool operator==(const eurogam_group &) const = default;
};

using eurogam_event = std::vector<eurogam_group>;

struct eurogam_output {
    std::vector<eurogam_event> events;
    std::string error;           // empty when the layout was sound
    bool terminated = false;
};

// Unpacks nbytes of translator output.
eurogam_output unpack_eurogam(const uint16_t *out, int nbytes);

} // namespace datagen

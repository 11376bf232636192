// A plain, slow compressor written straight from the format's description: fresh models reset in
// full for every block, the rescale summed downwards from the total, no shortcuts. The library's
// payloads must match it byte for byte.
#ifndef TARVIK_TEST_REFERENCE_CODER_H
#define TARVIK_TEST_REFERENCE_CODER_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarvik::testref {

// The coder's bytes for one block, without padding.
std::vector<uint8_t> reference_compress(const uint8_t *in, size_t length);

} // namespace tarvik::testref

#endif

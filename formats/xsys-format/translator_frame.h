// The frame that every translator's eurogam_translator shares: it walks the input events, asks the
// format's decoder for each one, closes each event in the Eurogam format and counts it.
#pragma once

#include <cstdint>

// Finds the next input event from inptr on, pulling blocks through fetch_block, and decodes it
// into body. Returns > 0 with *nwords set to the words written (0 when the event produced
// nothing), or the result (<= 0) of input_get_next_block when the input ran out.
using event_decoder = int (*)(int stream, uint16_t *body, int *nwords);

// Translates events into out until out passes outend; returns the bytes written, the terminator
// included, or the result of input_get_next_block when the input was exhausted before any event.
int translate_events(int stream, uint16_t *out, uint16_t *outend, event_decoder decode);

// True when the current block has no words left.
bool block_exhausted();

// Makes the next block current; the result of input_get_next_block.
int fetch_block(int stream);

// The module loop of the Fera translator: decodes the module readouts of one event into Eurogam
// groups, in module mode (one-word groups) or group mode (the groups of the configuration).
#pragma once

#include <cstdint>

// The words of one event as the module loop reads them.
struct word_cursor {
    const uint16_t *next;
    const uint16_t *end;     // Xsys: end of the event; Afrodite: end of the block
    int budget;              // words the event may still use
    bool afrodite;           // 0xFFFF ends the event, and the block's last word is never decoded
};

// Decodes the event's words into body; returns the number of words written.
int decode_event(word_cursor &c, uint16_t *body);

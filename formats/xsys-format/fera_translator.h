// The Fera translator as the Xsys-format deliverables call it from their entry points.
#pragma once

#include <cstdint>

// eurogam_translator_init: reads the configuration file and reports the result.
int fera_translator_init();

// eurogam_translator with the Xsys event framing: a byte-length word and an event header word.
int xsys_translate(int stream, uint16_t *out, uint16_t *outend);

// eurogam_translator with the Afrodite framing: events end at 0xFFFF, the block end or a budget.
int afrodite_translate(int stream, uint16_t *out, uint16_t *outend);

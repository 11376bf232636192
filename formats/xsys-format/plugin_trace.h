// Trace and message helpers shared by the Xsys-format pieces of an input plug-in.
#pragma once

#include <cstdint>

#include "tarvikcntl.h"

// The short name that prefixes the plug-in's messages ("Xsys", "Afrodite"); each deliverable
// defines it once.
extern const char variant[];

// Trace lines are printed when the host's input trace level is above the given threshold.
inline bool trace_above(int level)
{
    return sort_cntl != nullptr && sort_cntl->input_trace > level;
}

// Addresses appear in trace lines as eight hex digits.
inline unsigned trace_address(const void *p)
{
    return static_cast<unsigned>(reinterpret_cast<uintptr_t>(p));
}

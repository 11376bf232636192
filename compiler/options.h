// The run-wide settings of sortgen, taken from the command line before parsing starts.
#ifndef TARVIK_OPTIONS_H
#define TARVIK_OPTIONS_H

#include <string>

constexpr int OUTPUT_STREAMS = 4;

extern const char *version;          // the compiler version, in the banner
extern const char *version_number;   // the parser version
extern std::string sort_version;        // -h: selects the runtime header "<tarvik-%s.h>"
extern std::string sort_format;         // -f: the event data format of the unpack routines
extern std::string userdir;             // -l: the sort setup directory
extern bool userdir_set;
extern unsigned maxdataspace;           // -d: reported, not consulted
extern int static_spectra;              // -s
extern int output_stream_inuse[OUTPUT_STREAMS];
extern int output_stream_event[OUTPUT_STREAMS];

enum DecodeResult { DECODE_OK, DECODE_FAILED, DECODE_VERSION_ONLY };

// Decodes the arguments from left to right; a later option of the same letter overrides an
// earlier one. Stops at the first argument that is not a valid option, after its message.
DecodeResult decode_args(int argc, char **argv);
void clear_output_streams();

#endif

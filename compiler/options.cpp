// Decoding of sortgen's command line: each argument is one option, a '-', a lower-case letter
// and the option's value written directly after the letter.
#include "options.h"

#include <cctype>
#include <cstdio>
#include <cstring>

const char *version = "1.97";
const char *version_number = "1.74";
std::string sort_version;
std::string sort_format;
std::string userdir;
bool userdir_set = false;
unsigned maxdataspace = 0x100000;
int static_spectra = 0;
int output_stream_inuse[OUTPUT_STREAMS];
int output_stream_event[OUTPUT_STREAMS];

namespace {

// Format and version names become part of generated C identifiers and of an #include line.
bool is_identifier(const std::string &text, const char *extra)
{
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0])))
        return false;
    for (char c : text)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && !std::strchr(extra, c))
            return false;
    return true;
}

bool invalid_format()
{
    std::printf("Invalid argument format found\n");
    return false;
}

// Applies one option; false when decoding must stop here.
bool decode_option(const char *arg, bool &version_only)
{
    if (arg[0] != '-' || arg[1] == '\0')
        return invalid_format();
    const char *value = arg + 2;
    switch (arg[1]) {
    case 'd':
        std::sscanf(value, "%x", &maxdataspace);
        std::printf("Max data space set at 0x%x bytes\n", maxdataspace);
        return true;
    case 'f':
        if (!is_identifier(value, ""))
            return invalid_format();
        sort_format = value;
        return true;
    case 'h':
        if (!is_identifier(value, "-."))
            return invalid_format();
        sort_version = value;
        return true;
    case 'l':
        if (*value == '\0')
            return invalid_format();
        userdir = value;
        userdir_set = true;
        std::printf("Current sort setup directory is %s\n", userdir.c_str());
        return true;
    case 's':
        static_spectra = 1;
        std::printf("Static spectrum allocation mode set\n");
        return true;
    case 'v':
        std::printf("\n");
        version_only = true;
        return true;
    default:
        std::printf("Unknown argument -%c specified\n", arg[1]);
        return false;
    }
}

} // namespace

DecodeResult decode_args(int argc, char **argv)
{
    for (int i = 1; i < argc; i++) {
        bool version_only = false;
        if (!decode_option(argv[i], version_only))
            return DECODE_FAILED;
        if (version_only)
            return DECODE_VERSION_ONLY;
    }
    return DECODE_OK;
}

void clear_output_streams()
{
    for (int i = 0; i < OUTPUT_STREAMS; i++) {
        output_stream_inuse[i] = 0;
        output_stream_event[i] = 0;
    }
}

// sortgen: the compiler of the sort language. Reads a sort program on standard input, writes
// the generated C and the setup files into the current directory, and exits with the run's
// condition code.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "options.h"

#include "diagnostics.h"

int yyparse();

namespace {

const char *default_version = "unix";
const char *default_format = "eurogam";

// Running out of memory ends the run as any failed allocation of a table entry does.
void memory_exhausted()
{
    std::fputs("Memory allocation failure\n", stderr);
    std::exit(8);
}

void output_version(const char *text)
{
    std::printf("Tarvik compiler version %s ... ", text);
}

} // namespace

int main(int argc, char **argv)
{
    std::set_new_handler(memory_exhausted);
    output_version(version);
    if (argc < 2) {
        std::fflush(stdout);
        return 8;
    }
    switch (decode_args(argc, argv)) {
    case DECODE_VERSION_ONLY:
        return 0;
    case DECODE_FAILED:
        // The intended settings are unknown: nothing is compiled with guessed ones.
        return 8;
    case DECODE_OK:
        break;
    }
    if (sort_version.empty())
        sort_version = default_version;
    if (sort_format.empty())
        sort_format = default_format;
    std::printf("Version for %s, sorting %s format data...\n", sort_version.c_str(), sort_format.c_str());
    clear_output_streams();
    std::fflush(stdout);
    // The parse ends with 0 when it reached the end of the program, 1 when it could not
    // recover from a syntax error and 2 when its stack overflowed.
    int result = yyparse();
    std::fflush(stdout);
    return result == 0 ? condcode : result;
}

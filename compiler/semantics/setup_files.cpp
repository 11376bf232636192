// The setup files that the sort runtime reads: spectra, maps, gains and run files.
#include "semantics/setup_files.h"

#include <cstdio>

#include "diagnostics.h"

namespace {

FILE *mapspace_file = nullptr;
FILE *mapinfo_file = nullptr;
FILE *gainnames_file = nullptr;
FILE *specinfo_file = nullptr;
FILE *runinfo_file = nullptr;

// A setup file that cannot be opened is reported and the run goes on without it.
FILE *open_setup_file(const char *name, const char *message)
{
    FILE *file = std::fopen(name, "w");
    if (file == nullptr)
        std::fprintf(yyerfp, message, name);
    return file;
}

} // namespace

void open_setup_files()
{
    mapspace_file = open_setup_file("mapspace", "***Cannot open '%s'\n");
    mapinfo_file = open_setup_file("mapinfo", "***Cannot open '%s'\n");
    gainnames_file = open_setup_file("gainnames", "***Cannot open '%s'\n\n");
    specinfo_file = open_setup_file("specinfo", "***Cannot open '%s'\n");
    runinfo_file = open_setup_file("runinfo", "***Cannot open '%s'\n\n");
}

// Placeholders: the file contents come with the tables they describe.
void write_gatemapspace() {}
void write_gainnames() {}
void write_spectable() {}
void write_gainarrays() {}
void write_autogain_params() {}
void close_runfiles() {}

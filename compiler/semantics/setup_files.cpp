// The setup files that the sort runtime reads: spectra, maps, gains and run files. A file
// that could not be opened is reported once at the start and never written.
#include "semantics/setup_files.h"

#include <cctype>
#include <cstdio>

#include "diagnostics.h"
#include "semantics/autogain.h"
#include "semantics/data.h"
#include "semantics/spectra.h"

namespace {

FILE *mapspace_file = nullptr;
FILE *mapinfo_file = nullptr;
FILE *gainnames_file = nullptr;
FILE *specinfo_file = nullptr;
FILE *runinfo_file = nullptr;

FILE *open_setup_file(const char *name, const char *message)
{
    FILE *file = std::fopen(name, "w");
    if (file == nullptr)
        std::fprintf(yyerfp, message, name);
    return file;
}

void close_file(FILE *&file)
{
    if (file != nullptr)
        std::fclose(file);
    file = nullptr;
}

std::string lower_case(const std::string &name)
{
    std::string lower = name;
    for (char &c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

constexpr int SPEC_NAME_COLUMNS = 34;

void write_spectrum_record(const std::string &name, const spectable &s, long long space)
{
    std::fprintf(specinfo_file, "%-*s %2d %2d %10lld %2d %5d %5d %5d %5d %5d %5d\n", SPEC_NAME_COLUMNS,
                 name.c_str(), s.type, s.precision, space, s.disc_based, s.bases[0], s.ranges[0],
                 s.bases[1], s.ranges[1], s.bases[2], s.ranges[2]);
}

} // namespace

bool open_setup_files()
{
    mapspace_file = open_setup_file("mapspace", "***Cannot open '%s'\n");
    mapinfo_file = open_setup_file("mapinfo", "***Cannot open '%s'\n");
    gainnames_file = open_setup_file("gainnames", "***Cannot open '%s'\n\n");
    specinfo_file = open_setup_file("specinfo", "***Cannot open '%s'\n");
    runinfo_file = open_setup_file("runinfo", "***Cannot open '%s'\n\n");
    return mapspace_file && mapinfo_file && gainnames_file && specinfo_file && runinfo_file;
}

// Closes "mapspace" and "mapinfo" at the end of *DATA, after the space of every map.
void write_gatemapspace()
{
    if (mapspace_file != nullptr)
        write_map_space(mapspace_file);
    close_file(mapspace_file);
    close_file(mapinfo_file);
}

void write_gainnames()
{
    if (gainnames_file != nullptr)
        for (const auto &name : inquire_gain_array_names())
            std::fprintf(gainnames_file, "%s\n", name.c_str());
    close_file(gainnames_file);
}

void write_spectable()
{
    if (specinfo_file != nullptr)
        for (const auto &s : inquire_spectra()) {
            std::string name = lower_case(s.name);
            if (s.nindexed == 0) {
                write_spectrum_record(name, s, s.space);
                continue;
            }
            for (int index : s.indexnumbers)
                write_spectrum_record(name + "." + std::to_string(index), s, s.space / s.nindexed);
        }
    close_file(specinfo_file);
}

void write_gainarrays()
{
    write_gain_array_files();
}

void write_autogain_params()
{
    if (runinfo_file != nullptr)
        std::fprintf(runinfo_file, "AUTOGAIN %c INIT %c\n", autogain_requested() ? 'T' : 'F',
                     autogain_initialised() ? 'T' : 'F');
}

void write_runfile(const std::string &volname, const std::string &filename, int begin, int end)
{
    if (runinfo_file != nullptr)
        std::fprintf(runinfo_file, "%s %s %d %d\n", volname.c_str(), filename.c_str(), begin, end);
}

void close_runfiles()
{
    close_file(runinfo_file);
}

// The setup files that the sort runtime reads: spectra, maps, gains and run files.
#ifndef TARVIK_SEMANTICS_SETUP_FILES_H
#define TARVIK_SEMANTICS_SETUP_FILES_H

#include <string>

// Opens "mapspace", "mapinfo", "gainnames", "specinfo" and "runinfo"; false when one failed.
bool open_setup_files();
void write_gatemapspace();
void write_gainnames();
void write_spectable();
void write_gainarrays();
void write_autogain_params();
void write_runfile(const std::string &volname, const std::string &filename, int begin, int end);
void close_runfiles();

#endif

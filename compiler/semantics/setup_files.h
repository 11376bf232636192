// The setup files that the sort runtime reads: spectra, maps, gains and run files.
#ifndef TARVIK_SEMANTICS_SETUP_FILES_H
#define TARVIK_SEMANTICS_SETUP_FILES_H

void open_setup_files();
void write_gatemapspace();
void write_gainnames();
void write_spectable();
void write_gainarrays();
void write_autogain_params();
void close_runfiles();

#endif

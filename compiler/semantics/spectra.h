// The spectra table.
#ifndef TARVIK_SEMANTICS_SPECTRA_H
#define TARVIK_SEMANTICS_SPECTRA_H

void check_disc_spectra();
void prspecinfo();

#endif

// The spectra table.
#include "semantics/spectra.h"

// Placeholders: the spectra table comes with the *SPECTRA declarations.
void check_disc_spectra() {}
void prspecinfo() {}

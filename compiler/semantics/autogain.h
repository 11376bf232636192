// Autogain declarations.
#ifndef TARVIK_SEMANTICS_AUTOGAIN_H
#define TARVIK_SEMANTICS_AUTOGAIN_H

// At the *AUTOGAIN header: sample size 0, peak area 50.0, deviation 0.8, v/c 0.
void reset_autogain_params();
// After the declarations: the autogain section begins; returns the sample size, 50000 when
// none was given.
int end_autogain_declarations();
// At *COMMANDS: the autogain section is over.
void leave_autogain_section();

#endif

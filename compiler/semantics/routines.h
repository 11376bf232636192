// Labels, routines and loop checks.
#ifndef TARVIK_SEMANTICS_ROUTINES_H
#define TARVIK_SEMANTICS_ROUTINES_H

void reset_labels(int level);
void check_labels();
void init_routine();
void check_routines();
void prcommandsinfo();

#endif

// Labels, routines and loop checks.
#ifndef TARVIK_SEMANTICS_ROUTINES_H
#define TARVIK_SEMANTICS_ROUTINES_H

#include <string>

// True when the name is a dummy argument of the routine being defined, with its type.
bool search_dummy_arg_names(const std::string &name, int *type = nullptr);
void reset_labels(int level);
void check_labels();
void init_routine();
void check_routines();
void prcommandsinfo();

#endif

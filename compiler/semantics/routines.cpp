// Labels, routines and loop checks.
#include "semantics/routines.h"

// Placeholders: labels, routines and their dummy arguments come with the control statements.
bool search_dummy_arg_names(const std::string &, int *) { return false; }
void reset_labels(int) {}
void check_labels() {}
void init_routine() {}
void check_routines() {}
void prcommandsinfo() {}

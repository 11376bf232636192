// Labels, routines and loop checks.
#include "semantics/routines.h"

// Placeholders: labels and routines come with the control statements.
void reset_labels(int) {}
void check_labels() {}
void init_routine() {}
void check_routines() {}
void prcommandsinfo() {}

// Declarations of the generated program, written when every table is complete.
#include "actions/declarations.h"

// Placeholder: the declarations come with the code generator.
void do_decs() {}

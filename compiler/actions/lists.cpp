// List operations of the generated program.
#include "actions/lists.h"

// Placeholder: the list code comes with the list statements.
void do_createlist_group(const char *, const char *, const std::vector<int> &) {}

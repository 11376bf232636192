// List operations of the generated program.
#ifndef TARVIK_ACTIONS_LISTS_H
#define TARVIK_ACTIONS_LISTS_H

#include <vector>

void do_createlist_group(const char *list, const char *group, const std::vector<int> &numbers);

#endif

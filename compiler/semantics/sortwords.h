// Sortwords, parameter lists and $-names.
#ifndef TARVIK_SEMANTICS_SORTWORDS_H
#define TARVIK_SEMANTICS_SORTWORDS_H

void reset_dollarwords(int level);
void check_sortwords();
void check_dollarwords();

#endif

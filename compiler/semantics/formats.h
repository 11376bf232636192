// Event format tables: single parameters, groups and items.
#ifndef TARVIK_SEMANTICS_FORMATS_H
#define TARVIK_SEMANTICS_FORMATS_H

// Empties every table, predefines the sortwords and opens the setup files; run before the
// first token.
void init_semantic_routines();
void reset_group_range();
void prformatinfo();

#endif

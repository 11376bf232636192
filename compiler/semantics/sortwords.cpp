// Sortwords, parameter lists and $-names.
#include "semantics/sortwords.h"

// Placeholders: the sortword tables come with the *DATA declarations.
void reset_dollarwords(int) {}
void check_sortwords() {}
void check_dollarwords() {}

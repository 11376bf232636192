// Gates, maps, arrays and gains of the *DATA section.
#include "semantics/data.h"

// Placeholder: the *DATA tables come with their declarations.
void prdatainfo() {}

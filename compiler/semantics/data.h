// Gates, maps, arrays and gains of the *DATA section.
#ifndef TARVIK_SEMANTICS_DATA_H
#define TARVIK_SEMANTICS_DATA_H

void prdatainfo();

#endif

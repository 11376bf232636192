// Declarations of the generated program, written when every table is complete.
#ifndef TARVIK_ACTIONS_DECLARATIONS_H
#define TARVIK_ACTIONS_DECLARATIONS_H

void do_decs();

#endif

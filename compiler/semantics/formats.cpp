// Event format tables: single parameters, groups and items.
#include "semantics/formats.h"

#include <cstdio>

#include "diagnostics.h"
#include "semantics/setup_files.h"

void init_semantic_routines()
{
    yyerfp = stderr;
    condcode = 0;
    // Placeholder: the symbol tables and the predefined sortwords come with the declarations.
    open_setup_files();
}

void reset_group_range()
{
    // Placeholder: the group-range state comes with the *FORMATS grammar.
}

void prformatinfo()
{
    // Placeholder: the table dump comes with the event format tables.
}

#include <cstdio>

#include "fera_config.h"
#include "fera_tables.h"
#include "fera_translator.h"
#include "plugin_trace.h"

int fera_translator_init()
{
    int rc = cf_file_init();
    std::printf("%s Fera format translator init completed ... retcode %d\n", variant, rc);
    if (trace_above(4) && use_groups)
        for (int i = 0; i < n_address_words; i++)
            if (groups_defined[i] >= 0)
                std::printf("%s Fera format init: i %d group %d item %d ...\n", variant, i,
                            groups_defined[i], items_defined[i]);
    return rc;
}

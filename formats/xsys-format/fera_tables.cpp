#include "fera_tables.h"

int module_vsn[n_vsns];
int module_pattern[n_vsns];
int module_basegroup[n_vsns];
int module_databits[n_vsns];
int module_datamask[n_vsns];
int module_samask[n_vsns];

int modulelist_vsn[max_modules];
int modulelist_pattern[max_modules];
int modulelist_chans[max_modules];
int modulelist_databits[max_modules];
int module_count;

int use_groups;
int groups_defined[n_address_words];
int items_defined[n_address_words];
int groups_len[n_groups];
int groups_fixedlen[n_groups];
int groups_id[n_groups];

// The wiring tables that the Fera configuration reader fills and the Fera translator reads.
// Filled once by cf_file_init, read only afterwards.
#pragma once

constexpr int n_vsns = 256;              // module numbers 0-255, the low byte of a module header
constexpr int max_modules = 64;          // module records in one file
constexpr int n_address_words = 16384;   // address word vsn + sa * 256, sub-addresses 0-63
constexpr int max_subaddress = 63;
constexpr int n_groups = 256;            // standard groups 0-255
constexpr int group_slots = 64;          // the translator's collection area per group
constexpr int max_group_items = 63;      // a standard group header counts at most 63 words
constexpr int max_id_bits = 15;          // a variable item keeps at least one value bit
constexpr int max_record_length = 254;   // characters of one record line
constexpr int max_nchans = 32;
constexpr int max_databits = 16;
constexpr int max_pattern = 3;           // readout pattern types 0-3

extern int module_vsn[n_vsns];
extern int module_pattern[n_vsns];
extern int module_basegroup[n_vsns];
extern int module_databits[n_vsns];
extern int module_datamask[n_vsns];
extern int module_samask[n_vsns];

extern int modulelist_vsn[max_modules];
extern int modulelist_pattern[max_modules];
extern int modulelist_chans[max_modules];
extern int modulelist_databits[max_modules];
extern int module_count;

extern int use_groups;                   // 1 once the file has a group record: group mode
extern int groups_defined[n_address_words];
extern int items_defined[n_address_words];
extern int groups_len[n_groups];
extern int groups_fixedlen[n_groups];
extern int groups_id[n_groups];

// Event format tables: the global name register, the word address space, single parameters,
// groups and their items.
#ifndef TARVIK_SEMANTICS_FORMATS_H
#define TARVIK_SEMANTICS_FORMATS_H

#include <cstdint>
#include <string>
#include <vector>

constexpr int MAX_SORT_NAMES = 1000;      // names of every declared kind, kept apart
constexpr int ADDRESS_WORDS = 16384;      // word addresses 0 to 0x3FFF of single words
constexpr int MAX_SINGLES = 200;          // single parameters
constexpr int MAX_GROUPS = 1024;          // group declarations
constexpr int GROUP_NUMBERS = 1024;       // group numbers 0 to 1023
constexpr int MAX_ITEM_NAMES = 1024;      // distinct item names
constexpr int MAX_GROUP_ITEMS = 256;      // items of one group
constexpr int MAX_ITEM_GROUPS = 32;       // groups sharing one item name
constexpr int MAX_GROUP_BITS = 1008;      // 63 data words of items
constexpr int SHORT_GROUP_LIMIT = 256;    // numbers below have a one-word header

struct ItemEntry {
    std::string name;
    std::vector<int> groups;              // indices of the groups using this name
};

struct GroupEntry {
    std::string name;
    std::vector<int> groupnumbers;        // accepted numbers, ascending
    std::vector<int> items;               // item entries in declaration order, -1 when unlinked
    std::vector<std::string> itemnames;   // the item names as declared
    std::vector<int> nitembits;           // bit length of each item
};

// Empties every table, predefines the sortwords and opens the setup files; run before the
// first token. False when a setup file could not be opened.
bool init_semantic_routines();
// Empties the tables and predefines the sortwords, without touching any file.
void reset_semantic_tables();

bool define_sort_name(const std::string &name);
bool search_sort_names(const std::string &name, int *index = nullptr);
bool search_single_param_names(const std::string &name, int *index = nullptr);
bool search_group_param_names(const std::string &name, int *index = nullptr);
bool search_item_names(const std::string &name, int *index = nullptr);

// Occupancy mask of a word address; 0 when free.
uint16_t address_in_use(int address);
void mark_address(int address, uint16_t mask);

bool define_single_parameter(const std::string &name, int address);
bool define_group(const std::string &name, const std::vector<int> &numbers,
                  const std::vector<std::string> &itemnames, const std::vector<int> &itembits);

// Queries for the code generator.
std::vector<std::string> inquire_adcnames();
bool inquire_adc(const std::string &name, int *address);
std::vector<std::string> inquire_groups();
bool inquire_groupitems(const std::string &groupname, std::vector<std::string> *names,
                        std::vector<int> *bits);
bool inquire_groupnumbers(const std::string &groupname, std::vector<int> *numbers);
// The group that owns a group number, or -1.
int group_of_number(int number);
const GroupEntry &group_entry(int index);

void prformatinfo();

#endif

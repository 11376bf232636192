// Event format tables: the global name register, the word address space, single parameters,
// groups and their items.
#include "semantics/formats.h"

#include <cstdio>

#include "diagnostics.h"
#include "semantics/setup_files.h"
#include "semantics/sortwords.h"
#include "semantics/table_helpers.h"

namespace {

struct adctable {
    std::string name;
    int address;
};

std::vector<std::string> sort_nameptrs;
uint16_t address_space[ADDRESS_WORDS];
std::vector<adctable> adcs;
std::vector<GroupEntry> groups;
std::vector<ItemEntry> items;
int groupptrs[GROUP_NUMBERS];

std::string item_word(const std::string &name, int bits)
{
    return name + ":" + std::to_string(bits);
}

std::string item_address_word(int address, const std::string &name, int bits)
{
    return hex_address(address) + "... " + name + "." + std::to_string(bits);
}

// An item entry for a name of a group's list: the existing one, a new one, or -1 when the name
// cannot be an item.
int link_item(const std::string &name, int group)
{
    int index;
    if (!search_item_names(name, &index)) {
        if (search_sort_names(name)) {
            report(Diag::P4, name.c_str(), CURRENT_LINE);
            return -1;
        }
        if (static_cast<int>(items.size()) >= MAX_ITEM_NAMES) {
            report(Diag::F11, name.c_str(), CURRENT_LINE);
            return -1;
        }
        items.push_back({name, {}});
        define_sort_name(name);
        index = static_cast<int>(items.size()) - 1;
    }
    if (static_cast<int>(items[static_cast<std::size_t>(index)].groups.size()) >= MAX_ITEM_GROUPS) {
        report(Diag::F21, name.c_str(), CURRENT_LINE);
        return -1;
    }
    items[static_cast<std::size_t>(index)].groups.push_back(group);
    return index;
}

// Lays out the items of a group for one group number; returns the running bit count.
int lay_out_items(GroupEntry &group, int number, int family, bool &ok)
{
    int count = 0;
    for (std::size_t i = 0; i < group.itemnames.size(); i++) {
        const std::string &name = group.itemnames[i];
        int &bits = group.nitembits[i];
        if (bits <= 0 || bits > 16) {
            report(Diag::F8, item_word(name, bits).c_str(), CURRENT_LINE);
            bits = 16;
        }
        int start = count >> 4;
        if (((count + bits - 1) >> 4) != start)
            report(Diag::F9, item_word(name, bits).c_str(), CURRENT_LINE);
        if (family == 1) {
            int address = (start << 8) + number;
            // bits from 15 - (count mod 16) downward; an item that crosses into the next
            // word claims the rest of this one
            int shift = 16 - (count & 15) - bits;
            unsigned width = shift >= 0 ? static_cast<unsigned>(bits) : static_cast<unsigned>(16 - (count & 15));
            uint16_t mask = static_cast<uint16_t>(((1u << width) - 1) << (shift >= 0 ? shift : 0));
            if (address >= ADDRESS_WORDS) {
                report(Diag::F20, item_address_word(address, name, bits).c_str(), CURRENT_LINE);
                ok = false;
            } else if (address_space[address] & mask) {
                report(Diag::F5, item_address_word(address, name, bits).c_str(), CURRENT_LINE);
                ok = false;
            } else {
                address_space[address] |= mask;
            }
        }
        count += bits;
    }
    return count;
}

// Enters the group numbers; false when one was refused.
bool enter_group_numbers(int index, const std::vector<int> &numbers, bool &overflow)
{
    GroupEntry &group = groups[static_cast<std::size_t>(index)];
    bool ok = true;
    int family = 0;
    for (int number : numbers) {
        if (number < 0 || number >= GROUP_NUMBERS)
            continue;   // the grammar has refused it already
        int number_family = number < SHORT_GROUP_LIMIT ? 1 : 2;
        if (family == 0)
            family = number_family;
        else if (family != number_family) {
            report(Diag::F1, std::to_string(number).c_str(), CURRENT_LINE);
            ok = false;
        }
        if (groupptrs[number] >= 0) {
            report(Diag::F14, std::to_string(number).c_str(), CURRENT_LINE);
            ok = false;
            continue;
        }
        groupptrs[number] = index;
        group.groupnumbers.push_back(number);
        if (lay_out_items(group, number, family, ok) > MAX_GROUP_BITS)
            overflow = true;
    }
    return ok;
}

} // namespace

bool init_semantic_routines()
{
    yyerfp = stderr;
    reset_semantic_tables();
    condcode = 0;
    return open_setup_files();
}

void reset_semantic_tables()
{
    sort_nameptrs.clear();
    adcs.clear();
    groups.clear();
    items.clear();
    for (auto &mask : address_space)
        mask = 0;
    for (auto &owner : groupptrs)
        owner = -1;
    init_sortwords();
}

bool define_sort_name(const std::string &name)
{
    if (static_cast<int>(sort_nameptrs.size()) >= MAX_SORT_NAMES) {
        report(Diag::P5, name.c_str(), CURRENT_LINE);
        return false;
    }
    sort_nameptrs.push_back(name);
    return true;
}

bool search_sort_names(const std::string &name, int *index)
{
    for (std::size_t i = 0; i < sort_nameptrs.size(); i++)
        if (sort_nameptrs[i] == name) {
            if (index)
                *index = static_cast<int>(i);
            return true;
        }
    return false;
}

bool search_single_param_names(const std::string &name, int *index)
{
    return search_by_name(adcs, name, index);
}

bool search_group_param_names(const std::string &name, int *index)
{
    return search_by_name(groups, name, index);
}

bool search_item_names(const std::string &name, int *index)
{
    return search_by_name(items, name, index);
}

uint16_t address_in_use(int address)
{
    return address >= 0 && address < ADDRESS_WORDS ? address_space[address] : 0;
}

void mark_address(int address, uint16_t mask)
{
    if (address >= 0 && address < ADDRESS_WORDS)
        address_space[address] |= mask;
}

bool define_single_parameter(const std::string &name, int address)
{
    bool ok = true;
    if (search_single_param_names(name)) {
        report(Diag::F2, name.c_str(), CURRENT_LINE);
        ok = false;
    } else if (search_sort_names(name)) {
        report(Diag::P4, name.c_str(), CURRENT_LINE);
        ok = false;
    }
    if (address < 0 || address >= ADDRESS_WORDS) {
        report(Diag::F20, hex_address(address).c_str(), CURRENT_LINE);
        ok = false;
    } else if (address_space[address] != 0) {
        report(Diag::F5, hex_address(address).c_str(), CURRENT_LINE);
        ok = false;
    }
    if (!ok)
        return false;
    if (static_cast<int>(adcs.size()) >= MAX_SINGLES) {
        report(Diag::F18, name.c_str(), CURRENT_LINE);
        return false;
    }
    adcs.push_back({name, address});
    address_space[address] = 0xFFFF;
    return define_sort_name(name);
}

bool define_group(const std::string &name, const std::vector<int> &numbers,
                  const std::vector<std::string> &itemnames, const std::vector<int> &itembits)
{
    if (search_group_param_names(name)) {
        report(Diag::F7, name.c_str(), CURRENT_LINE);
        return false;
    }
    if (search_sort_names(name)) {
        report(Diag::P4, name.c_str(), CURRENT_LINE);
        return false;
    }
    if (static_cast<int>(groups.size()) >= MAX_GROUPS) {
        report(Diag::F19, name.c_str(), CURRENT_LINE);
        return false;
    }
    groups.push_back({name, {}, {}, {}, {}});
    define_sort_name(name);
    int index = static_cast<int>(groups.size()) - 1;
    bool ok = true;
    for (std::size_t i = 0; i < itemnames.size(); i++)
        for (std::size_t j = 0; j < i; j++)
            if (itemnames[j] == itemnames[i]) {
                report(Diag::F10, itemnames[i].c_str(), CURRENT_LINE);
                ok = false;
            }
    bool too_many = itemnames.size() > static_cast<std::size_t>(MAX_GROUP_ITEMS);
    std::size_t kept = too_many ? MAX_GROUP_ITEMS : itemnames.size();
    for (std::size_t i = 0; i < kept; i++) {
        int item = link_item(itemnames[i], index);
        ok = ok && item >= 0;
        GroupEntry &group = groups[static_cast<std::size_t>(index)];
        group.items.push_back(item);
        group.itemnames.push_back(itemnames[i]);
        group.nitembits.push_back(i < itembits.size() ? itembits[i] : 16);
    }
    bool overflow = too_many;
    ok = enter_group_numbers(index, numbers, overflow) && ok;
    if (overflow) {
        report(Diag::F12, name.c_str(), CURRENT_LINE);
        ok = false;
    }
    return ok;
}

std::vector<std::string> inquire_adcnames()
{
    std::vector<std::string> names;
    for (const auto &adc : adcs)
        names.push_back(adc.name);
    return names;
}

bool inquire_adc(const std::string &name, int *address)
{
    int index;
    if (!search_single_param_names(name, &index)) {
        *address = 0;
        return false;
    }
    *address = adcs[static_cast<std::size_t>(index)].address;
    return true;
}

std::vector<std::string> inquire_groups()
{
    std::vector<std::string> names;
    for (const auto &group : groups)
        names.push_back(group.name);
    return names;
}

bool inquire_groupitems(const std::string &groupname, std::vector<std::string> *names,
                        std::vector<int> *bits)
{
    int index;
    if (!search_group_param_names(groupname, &index))
        return false;
    *names = groups[static_cast<std::size_t>(index)].itemnames;
    *bits = groups[static_cast<std::size_t>(index)].nitembits;
    return true;
}

bool inquire_groupnumbers(const std::string &groupname, std::vector<int> *numbers)
{
    int index;
    if (!search_group_param_names(groupname, &index))
        return false;
    *numbers = groups[static_cast<std::size_t>(index)].groupnumbers;
    return true;
}

int group_of_number(int number)
{
    return number >= 0 && number < GROUP_NUMBERS ? groupptrs[number] : -1;
}

const GroupEntry &group_entry(int index)
{
    return groups[static_cast<std::size_t>(index)];
}

void prformatinfo()
{
    std::fprintf(yyerfp, "group param names:\n");
    for (const auto &group : groups)
        std::fprintf(yyerfp, "  %s   (nitems=%d)\n", group.name.c_str(), static_cast<int>(group.itemnames.size()));
    std::fprintf(yyerfp, "(adcnameptrs (single param names):\n");
    for (const auto &adc : adcs)
        std::fprintf(yyerfp, "  %s\n", adc.name.c_str());
    std::fprintf(yyerfp, "item_names:\n");
    for (const auto &item : items)
        std::fprintf(yyerfp, "  %s\n", item.name.c_str());
    if (trace >= 3) {
        std::fprintf(yyerfp, "group table:\n");
        for (const auto &group : groups)
            std::fprintf(yyerfp, "  %12s   ngroupnums=%d, nitems=%d\n", group.name.c_str(),
                         group.groupnumbers.empty() ? 1 : static_cast<int>(group.groupnumbers.size()),
                         static_cast<int>(group.itemnames.size()));
    }
}

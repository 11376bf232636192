// Sortwords, parameter lists and $-names.
#include "semantics/sortwords.h"

#include <cstdio>

#include "diagnostics.h"
#include "semantics/data.h"
#include "semantics/formats.h"
#include "semantics/routines.h"
#include "semantics/spectra.h"
#include "semantics/table_helpers.h"

namespace {

struct LevelBinding {
    std::string name;
    int paramlist;
};

std::vector<sortwordtable> sortwords;
std::vector<paramlisttable> paramlists;
std::vector<dollarwordtable> all_dollarwords;
std::vector<LevelBinding> current_dollarwords[COMMAND_LEVELS];
int nextaddress = FIRST_AUTO_ADDRESS;

bool registered_or_dummy(const std::string &name)
{
    return search_sort_names(name) || search_dummy_arg_names(name);
}

// Appends a sortword of a declaration; the checks are done.
bool enter_sortword(const std::string &name, int type, int init, int ival, float fval, int address)
{
    if (address < 0)
        address = nextaddress++;
    sortwords.push_back({name, type, 1, address, init, ival, fval});
    return define_sort_name(name);
}

// The checks common to every *DATA declaration; false after the report.
bool declarable(const std::string &name, int d1_line)
{
    if (search_sortword_names(name)) {
        report(Diag::D1, name.c_str(), d1_line);
        return false;
    }
    if (search_sort_names(name)) {
        report(Diag::P4, name.c_str(), d1_line);
        return false;
    }
    if (static_cast<int>(sortwords.size()) >= MAX_SORTWORDS) {
        report(Diag::D2, name.c_str(), d1_line);
        return false;
    }
    return true;
}

// A new list entry, refused with C105 when the table is full.
bool append_list(const std::string &name, int type, int grouptype)
{
    if (static_cast<int>(paramlists.size()) >= MAX_PARAMLISTS) {
        report(Diag::C105, name.c_str(), CURRENT_LINE);
        return false;
    }
    paramlists.push_back({name, grouptype, type});
    return define_sort_name(name);
}

void report_repeats(const std::vector<std::string> &names, int line, bool &repeated)
{
    for (std::size_t i = 0; i < names.size(); i++)
        for (std::size_t j = i + 1; j < names.size(); j++)
            if (names[i] == names[j]) {
                report(Diag::C47, names[i].c_str(), line);
                repeated = true;
            }
}

bool bind_globally(const std::string &name, int list)
{
    int grouptype = paramlists[static_cast<std::size_t>(list)].grouptype;
    int index;
    if (!search_all_dollarword_names(name, &index)) {
        if (static_cast<int>(all_dollarwords.size()) >= MAX_DOLLARWORDS) {
            report(Diag::C45, name.c_str(), CURRENT_LINE);
            return false;
        }
        all_dollarwords.push_back({name, grouptype, {list}});
        return true;
    }
    dollarwordtable &entry = all_dollarwords[static_cast<std::size_t>(index)];
    if (entry.grouptype != grouptype) {
        report(Diag::C66, name.c_str(), CURRENT_LINE);
        return false;
    }
    for (int known : entry.paramlists)
        if (known == list)
            return true;
    if (static_cast<int>(entry.paramlists.size()) >= MAX_DOLLAR_LISTS) {
        report(Diag::C106, name.c_str(), CURRENT_LINE);
        return false;
    }
    entry.paramlists.push_back(list);
    return true;
}

} // namespace

void init_sortwords()
{
    sortwords.clear();
    paramlists.clear();
    all_dollarwords.clear();
    for (auto &level : current_dollarwords)
        level.clear();
    nextaddress = FIRST_AUTO_ADDRESS;
    enter_sortword("STREAM", SW_WORD, 1, 0, 0.0f, -1);
    enter_sortword("GATE", SW_WORD, 0, 0, 0.0f, -1);
    enter_sortword("WORDX", SW_WORD, 0, 0, 0.0f, -1);
    enter_sortword("WORDY", SW_WORD, 0, 0, 0.0f, -1);
    enter_sortword("WORDZ", SW_WORD, 0, 0, 0.0f, -1);
    enter_sortword("BLOCK_NUMBER", SW_LONG, 1, 0, 0.0f, -1);
    enter_sortword("RUNFILE_NUMBER", SW_WORD, 1, 0, 0.0f, -1);
}

bool def_sortword(const std::string &name, int type, int init, int initval, int address)
{
    if (!declarable(name, statement_line()))
        return false;
    if (address >= 0) {
        if (address >= ADDRESS_WORDS) {
            report(Diag::D8, hex_address(address).c_str(), statement_line());
            return false;
        }
        if (address_in_use(address)) {
            report(Diag::D9, hex_address(address).c_str(), statement_line());
            return false;
        }
        mark_address(address, 1);
    } else if (address != -1) {
        report(Diag::D8, hex_address(address).c_str(), statement_line());
        return false;
    }
    return enter_sortword(name, type, init, initval, static_cast<float>(initval), address);
}

bool def_float(const std::string &name, int init, float initval)
{
    if (!declarable(name, statement_line()))
        return false;
    int truncated = initval >= 2147483647.0f || initval <= -2147483648.0f ? 0 : static_cast<int>(initval);
    return enter_sortword(name, SW_FLOAT, init, truncated, initval, -1);
}

bool declare_sortword(const std::string &name, int usage)
{
    if (search_paramlist_names(name)) {
        report(Diag::C62, name.c_str(), CURRENT_LINE);
        return false;
    }
    if (search_data_names(name)) {
        report(Diag::C95, name.c_str(), CURRENT_LINE);
        return false;
    }
    if (search_group_param_names(name)) {
        report(Diag::C96, name.c_str(), CURRENT_LINE);
        return false;
    }
    if (search_dummy_arg_names(name) || search_single_param_names(name))
        return true;
    int index;
    if (search_sortword_names(name, &index)) {
        sortwordtable &word = sortwords[static_cast<std::size_t>(index)];
        if (word.defined_flag == 0)
            word.defined_flag = usage;
        return true;
    }
    if (static_cast<int>(sortwords.size()) >= MAX_SORTWORDS) {
        report(Diag::D2, name.c_str(), PREVIOUS_LINE);
        return false;
    }
    if (search_spectrum_names(name))
        report(Diag::C104, name.c_str(), CURRENT_LINE);
    sortwords.push_back({name, SW_WORD, usage, nextaddress++, 0, 0, 0.0f});
    return true;
}

bool declare_sortwords(const std::vector<std::string> &names, int usage)
{
    bool ok = true;
    for (const auto &name : names)
        ok = declare_sortword(name, usage) && ok;
    return ok;
}

bool check_wordlist(const std::vector<std::string> &words)
{
    bool repeated = false;
    report_repeats(words, CURRENT_LINE, repeated);
    declare_sortwords(words, 1);
    return !repeated;
}

bool get_param_or_sortword(const std::string &name, int *type)
{
    int index;
    if (search_single_param_names(name)) {
        *type = -1;
        return true;
    }
    if (search_dummy_arg_names(name, type))
        return true;
    if (search_sortword_names(name, &index)) {
        *type = sortwords[static_cast<std::size_t>(index)].type;
        return true;
    }
    return false;
}

bool is_sortword_defined(const std::string &name)
{
    int index;
    if (search_dummy_arg_names(name) || search_single_param_names(name))
        return true;
    return search_sortword_names(name, &index) && sortwords[static_cast<std::size_t>(index)].defined_flag;
}

bool check_sortwords()
{
    bool ok = true;
    for (const auto &word : sortwords)
        if (word.defined_flag == 0) {
            report(Diag::C36, word.name.c_str(), NO_LINE);
            ok = false;
        }
    return ok;
}

int check_createlist(const std::string &listname, const std::vector<std::string> &members,
                     std::vector<int> *numbers)
{
    bool error = false;
    bool entered = false;
    if (search_paramlist_names(listname)) {
        report(Diag::C9, listname.c_str(), CURRENT_LINE);
        error = true;
    } else if (registered_or_dummy(listname)) {
        report(Diag::P4, listname.c_str(), CURRENT_LINE);
        error = true;
    } else {
        entered = append_list(listname, LIST_FROM_LIST, -1);
        error = !entered;
    }
    paramlisttable *list = entered ? &paramlists.back() : nullptr;
    if (members.size() > 1) {
        if (list)
            list->type = LIST_WORDS;
        declare_sortwords(members, 0);
        report_repeats(members, CURRENT_LINE, error);
    } else if (members.size() == 1) {
        int group;
        if (search_group_param_names(members[0], &group)) {
            if (list && !error) {
                list->type = LIST_GROUP;
                list->grouptype = group;
                for (int number : *numbers)
                    if (group_of_number(number) != group) {
                        report(Diag::C98, members[0].c_str(), CURRENT_LINE);
                        error = true;
                        break;
                    }
            }
        } else if (!search_paramlist_names(members[0])) {
            report(Diag::C46, members[0].c_str(), CURRENT_LINE);
            error = true;
        }
    }
    return error ? -1 : 0;
}

int check_copylist(const std::string &source, const std::string &target)
{
    int index;
    bool ok = true;
    if (!search_paramlist_names(source, &index)) {
        report(Diag::C10, source.c_str(), CURRENT_LINE);
        ok = false;
    }
    if (search_paramlist_names(target)) {
        report(Diag::C9, target.c_str(), CURRENT_LINE);
        ok = false;
    }
    if (!ok)
        return -1;
    paramlisttable from = paramlists[static_cast<std::size_t>(index)];
    return append_list(target, from.type, from.grouptype) ? 0 : -1;
}

bool check_newlist(const std::string &newlist, const std::string &assoclist, int error_line)
{
    if (search_paramlist_names(newlist)) {
        report(Diag::C9, newlist.c_str(), error_line);
        return false;
    }
    if (registered_or_dummy(newlist)) {
        report(Diag::P4, newlist.c_str(), error_line);
        return false;
    }
    int index;
    if (!search_paramlist_names(assoclist, &index))
        return false;
    paramlisttable from = paramlists[static_cast<std::size_t>(index)];
    return append_list(newlist, from.type, from.grouptype);
}

bool check_group_paramlist_name(const std::string &name)
{
    int index;
    if (!search_paramlist_names(name, &index)) {
        report(Diag::C10, name.c_str(), PREVIOUS_LINE);
        return false;
    }
    if (paramlists[static_cast<std::size_t>(index)].grouptype < 0) {
        report(Diag::C48, name.c_str(), PREVIOUS_LINE);
        return false;
    }
    return true;
}

bool check_dollarlist(const std::string &listname, const std::vector<std::string> &dollarnames,
                      int nestlevel)
{
    bool repeated = false;
    report_repeats(dollarnames, PREVIOUS_LINE, repeated);
    define_dollarwords(dollarnames, listname, nestlevel);
    return !repeated;
}

bool define_dollarword(const std::string &name, const std::string &listname, int nestlevel)
{
    if (nestlevel < 0 || nestlevel >= COMMAND_LEVELS)
        return false;
    if (nestlevel > 0 && search_current_dollarword_names(name, nestlevel - 1)) {
        report(Diag::C65, name.c_str(), CURRENT_LINE);
        return false;
    }
    int list;
    if (!search_paramlist_names(listname, &list)) {
        report(Diag::C64, name.c_str(), CURRENT_LINE);
        return false;
    }
    auto &level = current_dollarwords[nestlevel];
    if (!search_dollarword_names(name, nestlevel)) {
        if (static_cast<int>(level.size()) >= MAX_LEVEL_DOLLARWORDS) {
            report(Diag::C45, name.c_str(), CURRENT_LINE);
            return false;
        }
        level.push_back({name, list});
    }
    return bind_globally(name, list);
}

bool define_dollarwords(const std::vector<std::string> &names, const std::string &listname,
                        int nestlevel)
{
    if (!search_paramlist_names(listname))
        return false;
    bool ok = true;
    for (const auto &name : names)
        ok = define_dollarword(name, listname, nestlevel) && ok;
    return ok;
}

bool check_dollarword(const std::string &name, int nestlevel)
{
    if (search_current_dollarword_names(name, nestlevel))
        return true;
    report(Diag::C50, name.c_str(), CURRENT_LINE);
    return false;
}

void reset_dollarwords(int current_level)
{
    if (current_level >= 0 && current_level < COMMAND_LEVELS)
        current_dollarwords[current_level].clear();
}

bool check_dollarwords()
{
    return true;
}

bool search_sortword_names(const std::string &name, int *index)
{
    return search_by_name(sortwords, name, index);
}

bool search_paramlist_names(const std::string &name, int *index)
{
    return search_by_name(paramlists, name, index);
}

bool search_current_dollarword_names(const std::string &name, int nestlevel, int *level)
{
    if (nestlevel >= COMMAND_LEVELS)
        nestlevel = COMMAND_LEVELS - 1;
    for (int l = nestlevel; l >= 0; l--)
        if (search_dollarword_names(name, l)) {
            if (level)
                *level = l;
            return true;
        }
    return false;
}

bool search_dollarword_names(const std::string &name, int level)
{
    if (level < 0 || level >= COMMAND_LEVELS)
        return false;
    for (const auto &binding : current_dollarwords[level])
        if (binding.name == name)
            return true;
    return false;
}

bool search_all_dollarword_names(const std::string &name, int *index)
{
    return search_by_name(all_dollarwords, name, index);
}

const std::vector<sortwordtable> &inquire_sortwords() { return sortwords; }
const std::vector<paramlisttable> &inquire_paramlists() { return paramlists; }
const std::vector<dollarwordtable> &inquire_dollarwords() { return all_dollarwords; }

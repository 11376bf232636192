// Sortwords, parameter lists and $-names.
#ifndef TARVIK_SEMANTICS_SORTWORDS_H
#define TARVIK_SEMANTICS_SORTWORDS_H

#include <string>
#include <vector>

constexpr int MAX_SORTWORDS = 512;
constexpr int FIRST_AUTO_ADDRESS = 16384;   // automatic addresses start above the event words
constexpr int MAX_PARAMLISTS = 64;
constexpr int COMMAND_LEVELS = 20;          // nesting levels 0 to 19
constexpr int MAX_LEVEL_DOLLARWORDS = 256;  // $-names bound at one level
constexpr int MAX_DOLLARWORDS = 256;        // distinct $-names of the run
constexpr int MAX_DOLLAR_LISTS = 32;        // lists one $-name may be bound to

enum SortwordType { SW_WORD = 0, SW_LONG = 1, SW_FLOAT = 2, SW_LONGLONG = 11 };
enum ListType { LIST_FROM_LIST = 0, LIST_WORDS = 2, LIST_ITEMS = 3, LIST_GROUP = 4 };

struct sortwordtable {
    std::string name;
    int type;
    int defined_flag;
    int address;
    int initflag;
    int i;
    float f;
};

struct paramlisttable {
    std::string name;
    int grouptype;      // index of the group, -1 for none
    int type;
};

struct dollarwordtable {
    std::string name;
    int grouptype;
    std::vector<int> paramlists;
};

// Empties the tables and defines the predefined sortwords.
void init_sortwords();

bool def_sortword(const std::string &name, int type, int init, int initval, int address);
bool def_float(const std::string &name, int init, float initval);
bool declare_sortword(const std::string &name, int usage);
bool declare_sortwords(const std::vector<std::string> &names, int usage);
bool check_wordlist(const std::vector<std::string> &words);
bool get_param_or_sortword(const std::string &name, int *type);
bool is_sortword_defined(const std::string &name);
bool check_sortwords();

int check_createlist(const std::string &listname, const std::vector<std::string> &members,
                     std::vector<int> *numbers);
int check_copylist(const std::string &source, const std::string &target);
bool check_newlist(const std::string &newlist, const std::string &assoclist, int error_line);
bool check_group_paramlist_name(const std::string &name);
bool check_dollarlist(const std::string &listname, const std::vector<std::string> &dollarnames,
                      int nestlevel);
bool define_dollarword(const std::string &name, const std::string &listname, int nestlevel);
bool define_dollarwords(const std::vector<std::string> &names, const std::string &listname,
                        int nestlevel);
bool check_dollarword(const std::string &name, int nestlevel);
void reset_dollarwords(int current_level);
bool check_dollarwords();

bool search_sortword_names(const std::string &name, int *index = nullptr);
bool search_paramlist_names(const std::string &name, int *index = nullptr);
bool search_current_dollarword_names(const std::string &name, int nestlevel, int *level = nullptr);
bool search_dollarword_names(const std::string &name, int level);
bool search_all_dollarword_names(const std::string &name, int *index = nullptr);

const std::vector<sortwordtable> &inquire_sortwords();
const std::vector<paramlisttable> &inquire_paramlists();
const std::vector<dollarwordtable> &inquire_dollarwords();

#endif

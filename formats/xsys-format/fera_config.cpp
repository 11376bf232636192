// Reads the module and group records of the Fera configuration file. Every message begins with
// the variant name; every error stops the reading with -1.
#include "fera_config.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "cf_path.h"
#include "fera_tables.h"
#include "plugin_trace.h"

// "group g" takes 7 characters and every further item at least 4 ("v:s" and a blank), so one
// record line never names more items than a group header can count or the translator can hold.
static_assert(1 + (max_record_length - 7) / 4 <= max_group_items, "record line holds too many items");

namespace {

struct file_closer {
    void operator()(std::FILE *f) const { std::fclose(f); }
};
using config_file = std::unique_ptr<std::FILE, file_closer>;

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

const char *skip_blanks(const char *p)
{
    while (is_blank(*p))
        p++;
    return p;
}

// Splits text into tokens separated by blanks.
std::vector<std::string> tokens_of(const char *p)
{
    std::vector<std::string> tokens;
    for (p = skip_blanks(p); *p; p = skip_blanks(p)) {
        const char *start = p;
        while (*p && !is_blank(*p))
            p++;
        tokens.emplace_back(start, p);
    }
    return tokens;
}

// A count of fields read, as the messages show it (sscanf gives -1 for empty text).
int fields(int count)
{
    return count < 0 ? 0 : count;
}

void clear_module_tables()
{
    for (int v = 0; v < n_vsns; v++) {
        module_vsn[v] = module_pattern[v] = module_basegroup[v] = 0;
        module_databits[v] = module_datamask[v] = module_samask[v] = 0;
    }
    for (int m = 0; m < max_modules; m++)
        modulelist_vsn[m] = modulelist_pattern[m] = modulelist_chans[m] = modulelist_databits[m] = 0;
    use_groups = 0;
    module_count = 0;
}

void clear_group_tables()
{
    for (int g = 0; g < n_groups; g++)
        groups_len[g] = groups_fixedlen[g] = groups_id[g] = 0;
    for (int w = 0; w < n_address_words; w++)
        groups_defined[w] = items_defined[w] = -1;
    use_groups = 1;
}

// Values are compared unsigned, so that negative ones fail too.
bool within(int value, int max, const char *field)
{
    if (static_cast<unsigned>(value) <= static_cast<unsigned>(max))
        return true;
    std::printf("%s Fera init: Invalid %s value %d\n", variant, field, value);
    return false;
}

void enter_module(const char *name, int vsn, int pattern, int nchans, int nbits, int basegroup)
{
    module_vsn[vsn] = 1;
    module_pattern[vsn] = pattern;
    module_basegroup[vsn] = basegroup;
    module_databits[vsn] = nbits;
    module_datamask[vsn] = (1 << nbits) - 1;
    module_samask[vsn] = (1 << (16 - nbits)) - 1;
    modulelist_vsn[module_count] = vsn;
    modulelist_pattern[module_count] = pattern;
    modulelist_chans[module_count] = nchans;
    modulelist_databits[module_count] = nbits;
    module_count++;
    if (trace_above(4))
        std::printf("%s Fera init: Module found %s vsn %d pattern %d chans %d bits %d datamask %04x "
                    "samask %04x base group %d\n",
                    variant, name, vsn, pattern, nchans, nbits, module_datamask[vsn],
                    module_samask[vsn], basegroup);
}

// "module" name vsn pattern nchans nbits basegroup
int module_record(const char *line, const char *rest)
{
    std::vector<std::string> words = tokens_of(rest);
    std::string name = words.empty() ? "" : words[0];
    const char *numbers = skip_blanks(rest);
    numbers += std::strcspn(numbers, " \t");
    int vsn = 0, pattern = 0, nchans = 0, nbits = 0, basegroup = 0;
    int count = std::sscanf(numbers, "%d %d %d %d %d", &vsn, &pattern, &nchans, &nbits, &basegroup);
    if (count < 5) {
        std::printf("%s Fera init: Invalid config record <%s> n=%d\n", variant, line, fields(count));
        return -1;
    }
    if (!within(vsn, n_vsns - 1, "VSN") || !within(nchans, max_nchans, "NCHANS") ||
        !within(nbits, max_databits, "NDATABITS") || !within(basegroup, n_groups - 1, "BASEGROUP") ||
        !within(pattern, max_pattern, "PATTERN"))
        return -1;
    if (module_count >= max_modules) {
        std::printf("%s Fera init: Too many module records, at most %d\n", variant, max_modules);
        return -1;
    }
    enter_module(name.c_str(), vsn, pattern, nchans, nbits, basegroup);
    return 0;
}

// Enters vsn:sa as item number item of group g.
int enter_item(int g, int item, int vsn, int sa)
{
    if (static_cast<unsigned>(vsn) >= n_vsns || static_cast<unsigned>(sa) > max_subaddress) {
        std::printf("%s Fera init: Invalid address %d:%d in group %d\n", variant, vsn, sa, g);
        return -1;
    }
    int k = groups_id[g];
    if (k != 0 && item >= (1 << k)) {
        std::printf("%s Fera init: Group %d item %d does not fit id=%d\n", variant, g, item, k);
        return -1;
    }
    int word = vsn + sa * 256;
    groups_defined[word] = g;
    items_defined[word] = item;
    if (trace_above(4))
        std::printf("%s Fera init: Group %d nitem %d vsn %d sa %d word 0x%04x\n", variant, g, item, vsn,
                    sa, word);
    return 0;
}

// The item tokens of a group record: fixed vsn:sa items, then optionally id=k and variable ones.
int group_items(int g, const std::vector<std::string> &words)
{
    bool variable = false;
    for (size_t t = 1; t < words.size(); t++) {
        const char *token = words[t].c_str();
        int vsn = 0, sa = 0, k = 0;
        int count = std::sscanf(token, "%d:%d", &vsn, &sa);
        if (count == 2) {
            if (enter_item(g, groups_len[g], vsn, sa) < 0)
                return -1;
            groups_len[g]++;
            if (!variable)
                groups_fixedlen[g]++;
            continue;
        }
        if (variable)
            break;
        if (std::sscanf(token, "id=%d", &k) == 1) {
            if (k < 1 || k > max_id_bits) {
                std::printf("%s Fera init: Invalid ID value %d\n", variant, k);
                return -1;
            }
            groups_id[g] = k;
            variable = true;
            if (trace_above(4))
                std::printf("%s Fera init: Group %d variable length id=%d\n", variant, g, k);
            continue;
        }
        std::printf("%s Fera init: Invalid config record <%s> n=%d\n", variant, token, fields(count));
        return -1;
    }
    return 0;
}

// "group" g item item ... [id=k item item ...]
int group_record(const char *line, const char *rest)
{
    if (!use_groups)
        clear_group_tables();
    std::vector<std::string> words = tokens_of(rest);
    int g = 0;
    int count = words.empty() ? -1 : std::sscanf(words[0].c_str(), "%d", &g);
    if (trace_above(4))
        std::printf("%s Fera init: Group %d ret %d\n", variant, g, count);
    if (count != 1) {
        std::printf("%s Fera init: Invalid config record <%s> n=%d\n", variant, line, fields(count));
        return -1;
    }
    if (!within(g, n_groups - 1, "GROUP"))
        return -1;
    groups_fixedlen[g] = groups_len[g] = groups_id[g] = 0;
    return group_items(g, words);
}

int read_record(const char *line, bool had_newline)
{
    if (line[0] == '#')
        return 0;
    if (trace_above(4))
        std::printf("%s Fera init: Record <%s>\n", variant, line);
    const char *p = skip_blanks(line);
    // A line of blanks ending the file is skipped; one ending in a newline is a record like any.
    if (*p == '\0' && !had_newline)
        return 0;
    const char *end = p + std::strcspn(p, " \t");
    std::string keyword(p, end);
    lower_case(keyword.data(), static_cast<int>(keyword.size()));
    if (keyword == "module")
        return module_record(line, end);
    if (keyword == "group")
        return group_record(line, end);
    std::printf("%s Fera init: Invalid record %s\n", variant, line);
    return -1;
}

// Reads one line without its newline: 1, 0 at end of file, -1 when it is too long.
int read_line(std::FILE *f, char (&line)[max_record_length + 3], bool &had_newline)
{
    if (!std::fgets(line, sizeof line, f))
        return 0;
    size_t n = std::strlen(line);
    had_newline = n > 0 && line[n - 1] == '\n';
    if (had_newline)
        line[--n] = '\0';
    if (n > max_record_length || (!had_newline && !std::feof(f))) {
        std::printf("%s Fera init: Record longer than %d characters\n", variant, max_record_length);
        return -1;
    }
    return 1;
}

} // namespace

void lower_case(char *s, int len)
{
    for (int i = 0; i < len && s[i]; i++)
        if (s[i] >= 'A' && s[i] <= 'Z')
            s[i] = static_cast<char>(s[i] - 'A' + 'a');
}

int cf_file_init()
{
    if (cf_file[0] == '\0') {
        std::printf("%s Fera init:Config file not specified ... \n ", variant);
        return -1;
    }
    config_file f(std::fopen(cf_file, "r"));
    if (!f) {
        std::printf("%s Fera init: File open error <%s> ... \n ", variant, cf_file);
        return -1;
    }
    clear_module_tables();
    char line[max_record_length + 3];
    bool had_newline = false;
    for (;;) {
        int got = read_line(f.get(), line, had_newline);
        if (got == 0)
            return 0;
        if (got < 0 || read_record(line, had_newline) < 0)
            return -1;
    }
}

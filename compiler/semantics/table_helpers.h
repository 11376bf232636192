// Helpers that every symbol table uses: lookup by name in definition order, and the
// "@%X" form in which word addresses appear in diagnostics.
#ifndef TARVIK_SEMANTICS_TABLE_HELPERS_H
#define TARVIK_SEMANTICS_TABLE_HELPERS_H

#include <cstdio>
#include <string>

// The first entry whose name is `name`; stores its index when asked.
template <typename Table>
bool search_by_name(const Table &table, const std::string &name, int *index)
{
    for (std::size_t i = 0; i < table.size(); i++)
        if (table[i].name == name) {
            if (index)
                *index = static_cast<int>(i);
            return true;
        }
    return false;
}

inline std::string hex_address(int address)
{
    char text[32];
    std::snprintf(text, sizeof text, "@%X", static_cast<unsigned>(address));
    return text;
}

#endif

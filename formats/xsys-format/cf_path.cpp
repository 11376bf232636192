#include "cf_path.h"

#include <cstdio>

char cf_file[cf_file_size];

bool build_cf_file(const char *dir)
{
    int n = std::snprintf(cf_file, sizeof cf_file, "%s/.tarvik.cf", dir ? dir : "");
    if (n < 0 || n >= cf_file_size) {
        cf_file[0] = '\0';
        return false;
    }
    return true;
}

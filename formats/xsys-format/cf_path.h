// The path of the handler configuration file, built by input_handler_init from the host's base
// directory and read by the translator's init.
#pragma once

// Capacity of the path; a base directory that does not fit leaves the path empty.
constexpr int cf_file_size = 128;

extern char cf_file[cf_file_size];

// Sets cf_file to dir followed by "/.tarvik.cf"; false (and cf_file empty) when it does not fit.
bool build_cf_file(const char *dir);

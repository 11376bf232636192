// The Fera configuration reader: module and group records of "/.tarvik.cf".
#pragma once

// Reads cf_file into the tables of fera_tables.h; 0 after the whole file, -1 at the first error
// (after printing its message). Tables keep what was entered before an error.
int cf_file_init();

// Lower-cases in place at most len characters of s, stopping at its terminating zero.
void lower_case(char *s, int len);

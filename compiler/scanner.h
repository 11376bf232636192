// What the scanner shares with the parser, the diagnostics and the table routines.
#ifndef TARVIK_SCANNER_H
#define TARVIK_SCANNER_H

#include <cstdio>
#include <string>

// Name lists: every name is folded to upper case and stored once; a name token's value is
// its index. The lists are never emptied during a run.
constexpr int MAX_NAMES = 4096;          // entries of the name list
constexpr int MAX_NAME_CHARS = 68;       // characters of one name-list entry
constexpr int MAX_DOLLAR_NAMES = 256;    // entries of the $-name list
constexpr int MAX_DOLLAR_CHARS = 64;     // characters of one $-name entry
constexpr int LEXBUF_CHARS = 254;        // characters kept of the previous line
constexpr int MAX_INCLUDE_LEVEL = 2;     // main input plus two nested include files

extern int num_names;
extern int num_dollar_names;

// The text of a name token's value; "" for -1 (the value of a name that found its list full).
const char *name_text(int index);
const char *dollar_name_text(int index);

// Line context for the diagnostics.
extern int lineno;                  // number of the last completed line of the current file
extern std::string lexbuf1;         // the previous line, without its newline, cut to 254 characters
const std::string &current_line();  // the current line up to the end of the last token read
const std::string &include_name_ptr(); // name of the include file being read, "" for the main input
const std::string &lookahead_text();   // text of the last token read

// The text of a REAL, FILENAME or FILENAMEPATTERN token; the token's value is its index.
const char *kept_text(int index);

extern int dsum;      // 1 while the parser is inside an expression
extern int jjdebug;   // scanner trace

int yylex();
// Starts reading a new main input from the first line; the name lists are kept. The compiler
// reads one program per run; tests scan many.
void scanner_restart(FILE *input);

// Case folding helpers; both trace at level 1.
void upstring(const char *src, char *dst, int n);
void downstring(const char *src, char *dst, int n);

#endif

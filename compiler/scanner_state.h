// The scanner's own state and helpers, shared by the rules and scanner.cpp only.
#ifndef TARVIK_SCANNER_STATE_H
#define TARVIK_SCANNER_STATE_H

#include <cstdio>
#include <string>

#include "diagnostics.h"
#include "keywords.h"
#include "scanner.h"
#include "yf.hpp"

// Longest names, beyond which P1 is reported.
enum NameLimit {
    NAME_LIMIT = 30,        // names, $-names with their "$", tape names and patterns
    DOTNAME_LIMIT = 63,     // name.name
    DOLLARITEM_LIMIT = 64,  // $name.name
    PARAMNAME_LIMIT = 68    // name[n].name
};

// Called on every match before its action: keeps the current line and the token text.
void on_match(const char *text, int length);
// The last n characters of the match are read again.
void put_back(int n);
// A character consumed outside a match still belongs to the current line.
void on_absorbed(char c);
// A newline ends the current line: it becomes the previous line.
void end_line();
// A directive line counts as a line but gives no token.
void directive_line();
int newline_token();
int single_char(char c);
void comment_found();
bool unterminated_line();

// Run at every entry to the scanner; true once the line of *FINISH has been read.
bool scanner_entry();
void remember_section(const char *text);

// The upper-cased name, cut to its limit when it is one of the 30-character kinds (after P1).
std::string fold_name(const char *text, int length, int limit);
int store_name(const std::string &upper);
int add_name(const char *text, int length, int limit);
int add_dollar_name(const char *text, int length, int limit);

int integer_value(const char *digits, int base);
int hex_value(const char *digits);
int keep_text(const char *text);

void debug_on();
void debug_off();
void jjdebug_on();
void jjdebug_off();
void flex_debug_on();
void trace_level(int level);
void trace_off();

// Include files: the file to open for a name as written (null after its messages), the
// change of level on entering, and the buffer to return to at the end of a file (null at the
// end of the main input).
FILE *open_include_file(const char *written_name);
void enter_include(const char *written_name, void *including_buffer);
void *leave_include();

void scanner_fatal(const char *message);
void reset_scanner_state();

#endif

// What the grammar's actions call: the run's fixed hooks and the parser's own helpers.
#ifndef TARVIK_PARSER_SUPPORT_H
#define TARVIK_PARSER_SUPPORT_H

#include <new>
#include <string>

#include "diagnostics.h"
#include "scanner.h"

// The parser's fixed messages, with the stack overflow worded as the diagnostics expect.
const char *parser_message(const char *text);

// The grammar name of a token code, as syntax errors print it.
const char *token_name(int token);

// The run's hooks, in the order in which they fire (see run_hooks.cpp).
void parse_start();
void parser_version_trace();
void formats_start();
void formats_end();
void data_end();
void spectra_end();
void autogain_start();
void autogain_declarations_end();
void autogain_commands_end();
void commands_start();
void main_commands_end();
void routines_end();
void commands_end();
void runfiles_end();
void end_of_program();

#endif

// Diagnostics of sortgen: the catalogue, the condition code and the one routine that reports.
#ifndef TARVIK_DIAGNOSTICS_H
#define TARVIK_DIAGNOSTICS_H

#include <cstdio>

// Every catalogue code; the numbers never change, and codes that no check raises keep theirs.
enum class Diag {
    P1, P2, P3, P4, P5, P6, F1, F2, F5, F6, F7, F8,
    F9, F10, F11, F12, F14, F15, F16, F17, F18, F19, F20, F21, T1,
    T2, D1, D2, D3, D4, D5, D6, D7, D8, D9, D10, D11,
    D12, D13, D14, D15, D16, D17, D18, D19, D20, S1, S2, S3, S4,
    S5, S6, S7, S8, S9, S10, S11, A1, A2, A3, A4, A5,
    A6, A7, A8, A9, A10, A11, A12, A13, A14, A15, A16, A17,
    A18, A19, A20, A21, A22, A23, A24, C1, C2, C3, C4, C5,
    C6, C7, C8, C9, C10, C11, C12, C13, C14, C15, C16, C17,
    C18, C19, C20, C21, C22, C23, C24, C25, C26, C27, C28, C29,
    C30, C31, C32, C33, C34, C35, C36, C37, C38, C39, C40, C41,
    C42, C43, C44, C45, C46, C47, C48, C49, C50, C51, C52, C53,
    C54, C55, C56, C57, C58, C59, C60, C61, C62, C63, C64, C65,
    C66, C67, C68, C69, C70, C71, C72, C73, C74, C75, C76, C77,
    C78, C79, C80, C81, C82, C83, C84, C85, C86, C87, C88, C89,
    C90, C91, C92, C93, C94, C95, C96, C97, C98, C99, C100, C101,
    C102, C103, C104, C105, C106, R1, R2, R3, R4,
};

enum Severity { WARNING = 4, ERROR = 8 };

// Which source line a report shows.
enum WhichBuffer { NO_LINE = 0, CURRENT_LINE = 1, PREVIOUS_LINE = 2 };

extern int condcode;    // OR of the severities reported so far: 0, 4, 8 or 12
extern int trace;       // trace level set by *TRACE, 0 to 3
extern FILE *yyerfp;    // the diagnostic stream

// The catalogue text of a code ("P1 : maximum name length exceeded") and its usual severity.
const char *diag_text(Diag code);
int diag_severity(Diag code);

// True while no error has been reported, that is while C text may still be generated.
inline bool generating() { return condcode <= 7; }

void setcc(int errcode);
void sort_error(const char *error_text, const char *error_word, int whichbuffer, int errcode);
// Reports a catalogue code with its usual severity.
void report(Diag code, const char *error_word, int whichbuffer);

// The line of a statement whose last token may or may not have been followed by the parser's
// look-ahead: the previous line when the look-ahead is the newline that ended it, else the
// current one.
int statement_line();

void yyerror(const char *message);
void yywhere();

#endif

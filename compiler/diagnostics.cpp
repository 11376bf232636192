// Reporting: sort_error for catalogue diagnostics, yyerror and yywhere for syntax errors.
#include "diagnostics.h"

#include <cstdlib>
#include <string>

#include "scanner.h"

int condcode = 0;
int trace = 0;
FILE *yyerfp = stderr;

namespace {

constexpr int MAX_ERRORS = 50;   // the run stops at the error after this many
int n_semantic_errs = 0;

// The include file line: a quoted name loses its quotes and a leading "./" is not shown.
void print_file_line()
{
    const std::string &name = include_name_ptr();
    if (name.empty() || name == "\"\"")
        return;
    std::string shown = name;
    if (shown.size() >= 2 && shown.front() == '"')
        shown = shown.substr(1, shown.size() - 2);
    if (shown.rfind("./", 0) == 0)
        shown = shown.substr(2);
    std::fprintf(yyerfp, "file %.*s:\n", static_cast<int>(shown.size()), shown.c_str());
}

} // namespace

void setcc(int errcode)
{
    if (trace >= 3)
        std::fprintf(yyerfp, "[setcc: %d]\n", errcode);
    condcode |= errcode;
}

void sort_error(const char *error_text, const char *error_word, int whichbuffer, int errcode)
{
    if (trace >= 2) {
        std::fprintf(yyerfp, "[sort_error]\n");
        std::fprintf(yyerfp, "...sort_error: errcode = %d\n", errcode);
        std::fprintf(yyerfp, "...lineptr0=%p, lineptr1=%p, lineptr2=%p\n",
                     static_cast<const void *>(current_line().c_str()),
                     static_cast<const void *>(lexbuf1.c_str()), static_cast<const void *>(nullptr));
    }
    setcc(errcode);
    print_file_line();
    if (whichbuffer == PREVIOUS_LINE)
        std::fprintf(yyerfp, "[line %d] \"%s\"\n", lineno, lexbuf1.c_str());
    else if (whichbuffer == CURRENT_LINE)
        std::fprintf(yyerfp, "[line %d] \"%s...\"\n", lineno + 1, current_line().c_str());
    if (errcode > WARNING)
        std::fprintf(yyerfp, "***error%-51s -- %s\n\n", error_text, error_word);
    else
        std::fprintf(yyerfp, "***warning%-49s -- %s\n\n", error_text, error_word);
    if (errcode > WARNING && ++n_semantic_errs > MAX_ERRORS) {
        std::fprintf(yyerfp, "Too many semantic errors... quitting parser\n");
        std::exit(8);
    }
}

void report(Diag code, const char *error_word, int whichbuffer)
{
    sort_error(diag_text(code), error_word, whichbuffer, diag_severity(code));
}

int statement_line()
{
    const std::string &look = lookahead_text();
    return look.empty() || look[0] == '\n' ? PREVIOUS_LINE : CURRENT_LINE;
}

void yyerror(const char *message)
{
    setcc(ERROR);
    if (message == nullptr) {
        std::fprintf(yyerfp, "syntax error\n");
        return;
    }
    yywhere();
    std::fprintf(yyerfp, "%s\n\n", message);
}

void yywhere()
{
    if (trace >= 3) {
        std::fprintf(yyerfp, "yywhere: $%s$\n", include_name_ptr().c_str());
        std::fprintf(yyerfp, "lineno = %d\n", lineno);
    }
    print_file_line();
    // A NUL byte is a token of its own for the line number, but ends the text near which
    // the error is shown.
    const std::string &look = lookahead_text();
    bool at_line_end = look.empty() || look[0] == '\n';
    if (lineno > 0) {
        int shown = lineno + 1 - (at_line_end ? 1 : 0);
        std::fprintf(yyerfp, "***[line %-4d] \"%s...\"\n", shown, current_line().c_str());
    }
    std::size_t n = look.find_first_of(std::string("\n\0", 2));
    if (n == std::string::npos)
        n = look.size();
    if (n > 0) {
        if (n > 20)
            n = 20;
        std::fprintf(yyerfp, "***near \"%.*s\": ", static_cast<int>(n), look.c_str());
    }
}

// The scanner's state: the name lists, the line context that diagnostics print, numbers,
// debug directives and the include-file levels.
#include "scanner_state.h"

#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unordered_map>
#include <vector>

extern int yydebug;

int num_names = 0;
int num_dollar_names = 0;
int lineno = 0;
std::string lexbuf1;
int dsum = 0;
int jjdebug = 0;

namespace {

constexpr int STARWORD_CHARS = 15;      // characters kept of the last section header

// One list of names: entries in order of first appearance, and an index for the lookup.
struct NameList {
    const char *label;
    int capacity;
    int entry_chars;
    int *count;
    std::vector<std::string> entries;
    std::unordered_map<std::string, int> index;
};

NameList namelist = {"namelist", MAX_NAMES, MAX_NAME_CHARS, &num_names, {}, {}};
NameList dollar_namelist = {"dollar_namelist", MAX_DOLLAR_NAMES, MAX_DOLLAR_CHARS, &num_dollar_names, {}, {}};

std::vector<std::string> kept_texts;
std::string curline;        // the current line up to the end of the last match
std::string lookahead;      // the text of the last match
std::string starword;
int nthline = 1;
bool include_start = false;
bool include_end = false;
bool finish_seen = false;
bool finished = false;
bool first_call = true;

int include_stack_ptr = 0;
void *include_stack[MAX_INCLUDE_LEVEL];
int include_lineno[MAX_INCLUDE_LEVEL];
std::string include_name[MAX_INCLUDE_LEVEL + 1];

std::string upper_text(const char *text, int length)
{
    std::string upper(text, static_cast<std::size_t>(length));
    for (char &c : upper)
        if (std::islower(static_cast<unsigned char>(c)))
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::string without_newline(const std::string &line)
{
    std::string text = line;
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    if (text.size() > static_cast<std::size_t>(LEXBUF_CHARS))
        text.resize(LEXBUF_CHARS);
    return text;
}

int store_in(NameList &list, const std::string &upper)
{
    auto found = list.index.find(upper);
    if (found != list.index.end())
        return found->second;
    if (static_cast<int>(list.entries.size()) >= list.capacity) {
        std::fprintf(stderr, "***error: lexical name list full: %s\n", list.label);
        return -1;
    }
    int index = static_cast<int>(list.entries.size());
    list.entries.push_back(upper);
    list.index.emplace(upper, index);
    *list.count = index + 1;
    if (trace >= 3)
        std::fprintf(yyerfp, "lex: add to list...%s [%d]\n", upper.c_str(), index);
    return index;
}

const char *entry_of(const NameList &list, int index)
{
    if (index < 0 || index >= static_cast<int>(list.entries.size()))
        return "";
    return list.entries[static_cast<std::size_t>(index)].c_str();
}

// Names past their limit give P1; the 30-character kinds are cut to 30 characters, the
// others to what a list entry holds.
std::string checked_name(const char *text, int length, int limit, int entry_chars)
{
    if (length > limit)
        report(Diag::P1, std::string(text, static_cast<std::size_t>(length)).c_str(), CURRENT_LINE);
    int keep = limit == NAME_LIMIT ? NAME_LIMIT : entry_chars;
    return upper_text(text, length < keep ? length : keep);
}

} // namespace

const char *name_text(int index) { return entry_of(namelist, index); }
const char *dollar_name_text(int index) { return entry_of(dollar_namelist, index); }
const std::string &current_line() { return curline; }
const std::string &include_name_ptr() { return include_name[include_stack_ptr]; }
const std::string &lookahead_text() { return lookahead; }

const char *kept_text(int index)
{
    if (index < 0 || index >= static_cast<int>(kept_texts.size()))
        return "";
    return kept_texts[static_cast<std::size_t>(index)].c_str();
}

void on_match(const char *text, int length)
{
    bool newline = length == 1 && text[0] == '\n';
    if (!newline && (include_start || include_end)) {
        include_start = include_end = false;
        lexbuf1 = without_newline(curline);
        curline.clear();
        lineno = nthline - 1;
    }
    curline.append(text, static_cast<std::size_t>(length));
    lookahead.assign(text, static_cast<std::size_t>(length));
}

void put_back(int n)
{
    curline.resize(curline.size() - static_cast<std::size_t>(n));
    lookahead.resize(lookahead.size() - static_cast<std::size_t>(n));
}

void on_absorbed(char c)
{
    curline.push_back(c);
}

void end_line()
{
    lexbuf1 = without_newline(curline);
    curline.clear();
    lineno = nthline;
    nthline++;
}

void directive_line()
{
    end_line();
}

int newline_token()
{
    if (finish_seen)
        finished = true;
    return NEWLINE;
}

int single_char(char c)
{
    return c == '\0' ? static_cast<int>(YYUNDEF) : static_cast<unsigned char>(c);
}

void comment_found()
{
    if (trace >= 3)
        std::fprintf(yyerfp, "comment found\n");
}

bool unterminated_line()
{
    if (curline.empty())
        return false;
    lookahead.clear();
    return true;
}

bool scanner_entry()
{
    if (first_call) {
        first_call = false;
        yydebug = 0;
    }
    return finished;
}

void remember_section(const char *text)
{
    starword.assign(text, 0, STARWORD_CHARS);
    if (upper_text(text, static_cast<int>(std::strlen(text))) == "*FINISH")
        finish_seen = true;
}

std::string fold_name(const char *text, int length, int limit)
{
    return checked_name(text, length, limit, MAX_NAME_CHARS);
}

int store_name(const std::string &upper)
{
    return store_in(namelist, upper);
}

int add_name(const char *text, int length, int limit)
{
    return store_in(namelist, fold_name(text, length, limit));
}

int add_dollar_name(const char *text, int length, int limit)
{
    return store_in(dollar_namelist, checked_name(text, length, limit, MAX_DOLLAR_CHARS));
}

// Decimal numbers saturate at the limits of an int; binary ones keep their low 32 bits.
int integer_value(const char *digits, int base)
{
    bool negative = *digits == '-';
    if (*digits == '-' || *digits == '+')
        digits++;
    if (base == 2) {
        uint32_t value = 0;
        for (; *digits; digits++)
            value = (value << 1) | static_cast<uint32_t>(*digits - '0');
        return static_cast<int>(value);
    }
    long long value = 0;
    for (; *digits; digits++) {
        value = value * 10 + (*digits - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

// More than eight digits are reported; the value keeps the low 32 bits.
int hex_value(const char *digits)
{
    if (std::strlen(digits) > 8)
        std::fprintf(yyerfp, "hex number declared out of range");
    uint32_t value = 0;
    for (; *digits; digits++) {
        int c = std::tolower(static_cast<unsigned char>(*digits));
        value = (value << 4) | static_cast<uint32_t>(std::isdigit(c) ? c - '0' : c - 'a' + 10);
    }
    return static_cast<int>(value);
}

int keep_text(const char *text)
{
    kept_texts.emplace_back(text);
    return static_cast<int>(kept_texts.size()) - 1;
}

void debug_on()
{
    yydebug = 1;
    std::fprintf(yyerfp, "yydebug on\n");
}

void debug_off()
{
    if (yydebug)
        std::fprintf(yyerfp, "debug off\n");
    yydebug = 0;
}

void jjdebug_on()
{
    jjdebug = 1;
    std::fprintf(yyerfp, "jjdebug on\n");
}

void jjdebug_off()
{
    if (jjdebug)
        std::fprintf(yyerfp, "jjdebug off\n");
    jjdebug = 0;
}

void flex_debug_on()
{
    std::fprintf(yyerfp, "flex debug on\n");
}

void trace_level(int level)
{
    trace = level > 3 ? 3 : level;
    if (trace != 0)
        std::fprintf(yyerfp, "tracing on, level %d\n", trace);
}

void trace_off()
{
    if (trace != 0)
        std::fprintf(yyerfp, "tracing off\n");
    trace = 0;
}

FILE *open_include_file(const char *written_name)
{
    if (trace >= 1)
        std::fprintf(yyerfp, ">>include file: yytext = '%s'\n", written_name);
    std::string temp_filename = written_name;
    if (written_name[0] == '~') {
        const char *cptr1 = std::getenv("HOME");
        if (trace >= 1)
            std::fprintf(yyerfp, cptr1 ? "cptr1=%s\n" : "cptr1=NULL\n", cptr1);
        temp_filename = cptr1 ? std::string(cptr1) + (written_name + 1) : std::string();
    }
    if (trace >= 1)
        std::printf("temp_filename='%s'\n", temp_filename.c_str());
    if (include_stack_ptr >= MAX_INCLUDE_LEVEL) {
        std::fprintf(yyerfp, "Includes nested too deeply\n");
        std::exit(1);
    }
    FILE *file = temp_filename.empty() ? nullptr : std::fopen(temp_filename.c_str(), "r");
    struct stat info;
    if (file != nullptr && (fstat(fileno(file), &info) != 0 || S_ISDIR(info.st_mode))) {
        std::fclose(file);
        file = nullptr;
    }
    if (file == nullptr) {
        std::fprintf(yyerfp, "Cannot open '%s'\n", temp_filename.c_str());
        report(Diag::P3, written_name, PREVIOUS_LINE);
        return nullptr;
    }
    if (trace >= 1)
        std::fprintf(yyerfp, "...new file %s opened\n", temp_filename.c_str());
    return file;
}

void enter_include(const char *written_name, void *including_buffer)
{
    include_stack[include_stack_ptr] = including_buffer;
    include_lineno[include_stack_ptr] = nthline;
    include_stack_ptr++;
    include_name[include_stack_ptr] = written_name;
    include_start = true;
    nthline = 1;
    if (trace >= 1)
        std::fprintf(yyerfp, "...include_stack_ptr = %d\n", include_stack_ptr);
}

void *leave_include()
{
    lookahead.clear();
    if (trace >= 3) {
        std::fprintf(yyerfp, "flex:<<EOF>> rule\n");
        std::fprintf(yyerfp, "...include_stack_ptr before decrementing = %d\n", include_stack_ptr);
    }
    if (include_stack_ptr == 0) {
        if (trace >= 3)
            std::fprintf(yyerfp, "...calling yyterminate()\n");
        return nullptr;
    }
    if (trace >= 3)
        std::fprintf(yyerfp, "...old include_name = %s\n", include_name[include_stack_ptr].c_str());
    include_stack_ptr--;
    include_end = true;
    nthline = include_lineno[include_stack_ptr] + 1;
    if (trace >= 3) {
        std::fprintf(yyerfp, "...new include_name = %s\n", include_name[include_stack_ptr].c_str());
        std::fprintf(yyerfp, "...nthline = %d\n", nthline);
    }
    return include_stack[include_stack_ptr];
}

void reset_scanner_state()
{
    curline.clear();
    lookahead.clear();
    lexbuf1.clear();
    nthline = 1;
    lineno = 0;
    include_start = include_end = false;
    finish_seen = finished = false;
    include_stack_ptr = 0;
}

void scanner_fatal(const char *message)
{
    std::fprintf(stderr, "%s\n", message);
    std::exit(2);
}

void upstring(const char *src, char *dst, int n)
{
    std::string upper = upper_text(src, n);
    std::memcpy(dst, upper.data(), upper.size());
    dst[n] = '\0';
    if (trace >= 1)
        std::fprintf(yyerfp, "[upstring: %s]\n", dst);
}

void downstring(const char *src, char *dst, int n)
{
    for (int i = 0; i < n; i++)
        dst[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(src[i])));
    dst[n] = '\0';
    if (trace >= 1)
        std::fprintf(yyerfp, "[downstring: %s]\n", dst);
}

// The scanner's tokens, values and conditions, one input line per case.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "diagnostics.h"
#include "keywords.h"
#include "parser_support.h"
#include "scanner.h"
#include "yf.hpp"

namespace {

std::string describe(int token)
{
    switch (token) {
    case NAME: case NAMEBRACKET: case NAMEDOTNAME: case PARAMNAME: case INAME: case INCNAME:
    case INCNAMEDOTNAME: case ANSINAME: case PATTERN: case GE:
        return std::string(token_name(token)) + "=" + name_text(yylval);
    case DOLLARNAME: case DOLLARITEMNAME:
        return std::string(token_name(token)) + "=" + dollar_name_text(yylval);
    case INTEGER:
        return "INTEGER=" + std::to_string(yylval);
    case REAL: case FILENAME: case FILENAMEPATTERN:
        return std::string(token_name(token)) + "=" + kept_text(yylval);
    default:
        if (token > 0 && token < 256)
            return std::string("'") + static_cast<char>(token) + "'";
        return token_name(token);
    }
}

// Scans a whole input and returns its tokens; diagnostics go to `diagnostics`.
std::string scan(const std::string &text, std::string *diagnostics = nullptr, int expression = 0)
{
    FILE *input = fmemopen(const_cast<char *>(text.data()), text.size(), "r");
    FILE *errors = std::tmpfile();
    yyerfp = errors;
    init_keywords();
    scanner_restart(input);
    dsum = expression;
    std::string tokens;
    for (int token; (token = yylex()) != 0;)
        tokens += (tokens.empty() ? "" : " ") + describe(token);
    dsum = 0;
    std::fclose(input);
    if (diagnostics) {
        std::rewind(errors);
        diagnostics->clear();
        for (int c; (c = std::fgetc(errors)) != EOF;)
            diagnostics->push_back(static_cast<char>(c));
    }
    std::fclose(errors);
    yyerfp = stderr;
    return tokens;
}

struct TokenCase {
    const char *input;
    const char *tokens;
};

class ScannerTokens : public testing::TestWithParam<TokenCase> {};

TEST_P(ScannerTokens, GivesTheTokens)
{
    condcode = 0;
    EXPECT_EQ(scan(GetParam().input), GetParam().tokens) << "input: " << GetParam().input;
    EXPECT_EQ(condcode, 0);
}

const TokenCase token_cases[] = {
    // conditions: inc makes spectrum names, the next line is INITIAL again
    {"inc hist(x)\nhist(x)\n",
     "INC INCNAME=HIST '(' INCNAME=X ')' NEWLINE NAMEBRACKET=HIST NAME=X ')' NEWLINE"},
    {"DEC s(g.e, $d.e)\n", "DEC INCNAME=S '(' INCNAMEDOTNAME=G.E ',' DOLLARITEMNAME=$D.E ')' NEWLINE"},
    {"set sp(if)\n", "SET INCNAME=SP '(' IF ')' NEWLINE"},
    {"IF x GE 3\nGE\n", "IF NAME=X GE=GE INTEGER=3 NEWLINE NAME=GE NEWLINE"},
    {"loopif ge(3)\n", "LOOPIF NAMEBRACKET=GE INTEGER=3 ')' NEWLINE"},
    {"IF(a) GE 1\n", "IF '(' NAME=A ')' GE=GE INTEGER=1 NEWLINE"},
    // names, keywords and $-names
    {"abc ABC Abc\n", "NAME=ABC NAME=ABC NAME=ABC NEWLINE"},
    {"reject multi Uni value\n", "myREJECT MULTI UNI VALUE NEWLINE"},
    {"$IF $abc\n", "'$' IF DOLLARNAME=$ABC NEWLINE"},
    {"g[12].item a.b\n", "PARAMNAME=G[12].ITEM NAMEDOTNAME=A.B NEWLINE"},
    {"abs(x)\n", "ABS '(' NAME=X ')' NEWLINE"},
    // numbers
    {"1D 2d 3D 4D 1E5\n", "ONED TWOD THREED INAME=4D INAME=1E5 NEWLINE"},
    {"1.5E3 1.5E+3 . 2. .5\n", "REAL=1.5 NAME=E3 REAL=1.5E+3 REAL=. REAL=2. REAL=.5 NEWLINE"},
    {"%1011 @ff @FFFFFFFF 12abc\n", "INTEGER=11 INTEGER=255 INTEGER=-1 INAME=12ABC NEWLINE"},
    {"-5 +7 -2.5 +.5\n", "INTEGER=-5 INTEGER=7 REAL=-2.5 REAL=+.5 NEWLINE"},
    {"99999999999 -99999999999\n", "INTEGER=2147483647 INTEGER=-2147483648 NEWLINE"},
    // file names, comments and single characters
    {"/data/run1 /data/run*\n", "FILENAME=/data/run1 FILENAMEPATTERN=/data/run* NEWLINE"},
    {"a ! the rest of the line\nb // also a comment\n", "NAME=A NEWLINE NAME=B NEWLINE"},
    {"( ) , = [ ] { } : *\n", "'(' ')' ',' '=' '[' ']' '{' '}' ':' '*' NEWLINE"},
    // directives give no token, not even a newline
    {"a\n*TRACE LEVEL 0\n*TRACE OFF\n*DEBUG OFF  \nb\n", "NAME=A NEWLINE NAME=B NEWLINE"},
    // section headers in any case; *RUNFILES names tapes, files and patterns
    {"*formats\n*Data\n", "STARFORMATS NEWLINE STARDATA NEWLINE"},
    {"*RUNFILES\nvol1 file.dat 3 4\nDISC /data/run1\nDISC /d/r*\nV2 A,B-C*\n*FINISH\n",
     "STARRUNFILES NEWLINE ANSINAME=VOL1 ANSINAME=FILE.DAT INTEGER=3 INTEGER=4 NEWLINE "
     "DISC FILENAME=/data/run1 NEWLINE DISC FILENAMEPATTERN=/d/r* NEWLINE "
     "ANSINAME=V2 ANSINAME=A ',' ANSINAME=B '-' PATTERN=C* NEWLINE STARFINISH NEWLINE"},
    // nothing after the line of *FINISH is read
    {"*FINISH\nmore text\n", "STARFINISH NEWLINE"},
    // a last line without its newline still ends with one
    {"abc", "NAME=ABC NEWLINE"},
};

INSTANTIATE_TEST_SUITE_P(Tokens, ScannerTokens, testing::ValuesIn(token_cases),
                         [](const testing::TestParamInfo<TokenCase> &info) {
                             return "case" + std::to_string(info.index);
                         });

TEST(Scanner, NulByteIsAnUndefinedToken)
{
    EXPECT_EQ(scan(std::string("a\0b\n", 4)), "NAME=A $undefined NAME=B NEWLINE");
}

TEST(Scanner, InsideAnExpressionSignsAndSlashesAreOperators)
{
    EXPECT_EQ(scan("x-1 y+2.5 a/b\n", nullptr, 1),
              "NAME=X '-' INTEGER=1 NAME=Y '+' REAL=2.5 NAME=A '/' NAME=B NEWLINE");
}

TEST(Scanner, SameTextSameIndexWhateverTheToken)
{
    scan("samename\n");
    int as_name = yylval;
    scan("inc samename\n");
    EXPECT_EQ(scan("samename(\n"), "NAMEBRACKET=SAMENAME NEWLINE");
    EXPECT_STREQ(name_text(as_name), "SAMENAME");
}

struct LimitCase {
    std::string input;
    std::string tokens;   // with the name as stored
};

TEST(Scanner, NamesPastTheirLimitGiveP1AndAreCut)
{
    const std::string n30(30, 'A'), n31 = n30 + "B";
    const LimitCase cases[] = {
        {n31 + "\n", "NAME=" + n30 + " NEWLINE"},
        {"inc " + n31 + "\n", "INC INCNAME=" + n30 + " NEWLINE"},
        {n30 + "(\n", "NAMEBRACKET=" + n30 + " NEWLINE"},
        {"$" + n30 + "\n", "DOLLARNAME=$" + n30.substr(0, 29) + " NEWLINE"},
        {"9" + n30 + "\n", "INAME=9" + n30.substr(0, 29) + " NEWLINE"},
        {n30 + "." + std::string(33, 'C') + "\n", "NAMEDOTNAME=" + n30 + "." + std::string(33, 'C') + " NEWLINE"},
    };
    for (const auto &c : cases) {
        condcode = 0;
        std::string diagnostics;
        EXPECT_EQ(scan(c.input, &diagnostics), c.tokens) << c.input;
        EXPECT_NE(diagnostics.find("P1 : maximum name length exceeded"), std::string::npos) << c.input;
        EXPECT_EQ(condcode, 8);
    }
    // at the limits themselves there is no report
    for (const std::string &input : {n30 + "\n", n30.substr(0, 29) + "(\n", "$" + n30.substr(0, 29) + "\n",
                                    n30 + "." + std::string(32, 'C') + "\n"}) {
        condcode = 0;
        std::string diagnostics;
        scan(input, &diagnostics);
        EXPECT_EQ(diagnostics, "") << input;
        EXPECT_EQ(condcode, 0);
    }
}

TEST(Scanner, LongHexNumberIsReportedAndKeepsItsLowBits)
{
    std::string diagnostics;
    EXPECT_EQ(scan("@123456789\n", &diagnostics), "INTEGER=591751049 NEWLINE");
    EXPECT_EQ(diagnostics, "hex number declared out of range");
}

TEST(Scanner, LineContextForDiagnostics)
{
    FILE *input = fmemopen(const_cast<char *>("first line\n  second xx\n"), 24, "r");
    scanner_restart(input);
    EXPECT_EQ(yylex(), NAME);
    EXPECT_EQ(lineno, 0);
    EXPECT_EQ(current_line(), "first");
    while (yylex() != NEWLINE) {}
    EXPECT_EQ(lineno, 1);
    EXPECT_EQ(lexbuf1, "first line");
    EXPECT_EQ(yylex(), NAME);
    EXPECT_EQ(current_line(), "  second");
    EXPECT_EQ(lookahead_text(), "second");
    std::fclose(input);
}

TEST(Scanner, LongLinesKeep254CharactersAsThePreviousLine)
{
    std::string line(100000, 'x');
    for (std::size_t i = 1; i < line.size(); i += 2)
        line[i] = ' ';
    FILE *input = fmemopen(line.data(), line.size(), "r");
    scanner_restart(input);
    int count = 0;
    while (yylex() == NAME)
        count++;
    EXPECT_EQ(count, 50000);
    EXPECT_EQ(lexbuf1, line.substr(0, 254));
    std::fclose(input);
}

} // namespace

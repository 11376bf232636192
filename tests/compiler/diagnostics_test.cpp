// The printed layout of diagnostics and the condition code they leave.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "diagnostics.h"
#include "keywords.h"
#include "scanner.h"

namespace {

std::string capture(void (*report_something)())
{
    FILE *errors = std::tmpfile();
    yyerfp = errors;
    report_something();
    yyerfp = stderr;
    std::rewind(errors);
    std::string text;
    for (int c; (c = std::fgetc(errors)) != EOF;)
        text.push_back(static_cast<char>(c));
    std::fclose(errors);
    return text;
}

std::size_t dashes_column(const std::string &text)
{
    std::size_t line_start = text.rfind('\n', text.find(" -- "));
    line_start = line_start == std::string::npos ? 0 : line_start + 1;
    return text.find(" -- ") - line_start + 1;
}

TEST(Diagnostics, DashesStartInColumn60WhenTheTextFits)
{
    EXPECT_EQ(dashes_column(capture([] { report(Diag::P1, "X", NO_LINE); })), 60u);
    EXPECT_EQ(dashes_column(capture([] { report(Diag::C100, "X", NO_LINE); })), 60u);
    EXPECT_EQ(dashes_column(capture([] { report(Diag::F9, "X", NO_LINE); })), 60u);
    // longer texts are printed whole: P4 has 57 characters, the warning F8 66
    EXPECT_EQ(dashes_column(capture([] { report(Diag::F8, "X", NO_LINE); })),
              std::string("***warning").size() + std::string(diag_text(Diag::F8)).size() + 1);
    EXPECT_EQ(dashes_column(capture([] { report(Diag::P4, "X", NO_LINE); })), 66u);
}

TEST(Diagnostics, ErrorAndWarningLayout)
{
    EXPECT_EQ(capture([] { report(Diag::T1, "99", NO_LINE); }),
              "***errorT1 : trigger number out of range                    -- 99\n\n");
    EXPECT_EQ(capture([] { report(Diag::F9, "ITEM", NO_LINE); }),
              "***warningF9 : data item crosses 16-bit boundary            -- ITEM\n\n");
}

TEST(Diagnostics, ConditionCodeIsTheOrOfSeverities)
{
    condcode = 0;
    capture([] { report(Diag::F8, "", NO_LINE); });
    EXPECT_EQ(condcode, 4);
    capture([] { report(Diag::F8, "", NO_LINE); });
    EXPECT_EQ(condcode, 4);
    capture([] { report(Diag::F1, "", NO_LINE); });
    EXPECT_EQ(condcode, 12);
    condcode = 0;
    capture([] { yyerror("parse error"); });
    EXPECT_EQ(condcode, 8);
    capture([] { sort_error(diag_text(Diag::P4), "HIST", NO_LINE, WARNING); });
    EXPECT_EQ(condcode, 12);
}

TEST(Diagnostics, CatalogueTextsBeginWithTheirCode)
{
    EXPECT_STREQ(diag_text(Diag::P1), "P1 : maximum name length exceeded");
    EXPECT_STREQ(diag_text(Diag::F6), "F6 : ");
    EXPECT_STREQ(diag_text(Diag::C27), "C27: PASSES|FAILS: lower gate limit >= upper limit");
    EXPECT_STREQ(diag_text(Diag::C104), "C104: sortword name already used as spectrum name");
    EXPECT_STREQ(diag_text(Diag::R3), "R3 : multi-file list split over more than one runfile entry");
    EXPECT_EQ(diag_severity(Diag::C1), WARNING);
    EXPECT_EQ(diag_severity(Diag::C2), ERROR);
}

TEST(Diagnostics, SyntaxErrorWithoutMessage)
{
    EXPECT_EQ(capture([] { yyerror(nullptr); }), "syntax error\n");
}

TEST(Diagnostics, LineShownPreviousOrCurrent)
{
    FILE *input = fmemopen(const_cast<char *>("alpha beta\ngamma delta\n"), 23, "r");
    init_keywords();
    scanner_restart(input);
    while (lineno == 0)
        yylex();
    yylex();   // "gamma"
    EXPECT_EQ(capture([] { report(Diag::F2, "GAMMA", PREVIOUS_LINE); }),
              "[line 1] \"alpha beta\"\n"
              "***errorF2 : single parameter name already defined          -- GAMMA\n\n");
    EXPECT_EQ(capture([] { report(Diag::F2, "GAMMA", CURRENT_LINE); }),
              "[line 2] \"gamma...\"\n"
              "***errorF2 : single parameter name already defined          -- GAMMA\n\n");
    std::fclose(input);
}

} // namespace

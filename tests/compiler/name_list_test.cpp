// A full name list: its own test program, since the list is never emptied.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "scanner.h"
#include "yf.hpp"

TEST(NameList, FullListGivesMinusOneAndKeepsScanning)
{
    std::string text;
    for (int i = 0; i < MAX_NAMES; i++)
        text += "FILLER" + std::to_string(i) + "\n";
    text += "ONE_TOO_MANY FILLER7\n";
    FILE *input = fmemopen(text.data(), text.size(), "r");
    scanner_restart(input);
    for (int i = 0; i < MAX_NAMES; i++) {
        ASSERT_EQ(yylex(), NAME);
        ASSERT_EQ(yylval, i);
        ASSERT_EQ(yylex(), NEWLINE);
    }
    EXPECT_EQ(yylex(), NAME);
    EXPECT_EQ(yylval, -1);
    EXPECT_STREQ(name_text(yylval), "");
    EXPECT_EQ(yylex(), NAME);
    EXPECT_EQ(yylval, 7);
    EXPECT_EQ(num_names, MAX_NAMES);
    std::fclose(input);
}

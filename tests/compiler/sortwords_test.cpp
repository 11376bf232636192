// Sortwords, parameter lists and $-names as the command grammar will use them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "diagnostics.h"
#include "semantics/formats.h"
#include "semantics/sortwords.h"
#include "semantics/spectra.h"

namespace {

class Tables : public testing::Test {
protected:
    void SetUp() override
    {
        errors = std::tmpfile();
        yyerfp = errors;
        condcode = 0;
        reset_semantic_tables();
        define_group("GA", {1, 2, 3}, {"E", "T"}, {16, 16});
        define_group("GB", {10, 11}, {"E"}, {16});
    }
    void TearDown() override
    {
        yyerfp = stderr;
        std::fclose(errors);
    }
    // The diagnostics reported since the last call.
    std::string reported()
    {
        std::string text;
        std::fflush(errors);
        std::rewind(errors);
        for (int c; (c = std::fgetc(errors)) != EOF;)
            text.push_back(static_cast<char>(c));
        std::fclose(errors);
        errors = std::tmpfile();
        yyerfp = errors;
        return text;
    }
    static int address_of(const std::string &name)
    {
        int index;
        return search_sortword_names(name, &index) ? inquire_sortwords()[static_cast<std::size_t>(index)].address : -1;
    }
    FILE *errors = nullptr;
};

bool has(const std::string &text, const char *code)
{
    return text.find(std::string("error") + code) != std::string::npos ||
           text.find(std::string("warning") + code) != std::string::npos;
}

TEST_F(Tables, PredefinedSortwordsTakeTheFirstAutomaticAddresses)
{
    const char *names[] = {"STREAM", "GATE", "WORDX", "WORDY", "WORDZ", "BLOCK_NUMBER", "RUNFILE_NUMBER"};
    for (int i = 0; i < 7; i++)
        EXPECT_EQ(address_of(names[i]), FIRST_AUTO_ADDRESS + i) << names[i];
    EXPECT_TRUE(def_sortword("A", SW_WORD, 0, 0, -1));
    EXPECT_EQ(address_of("A"), 16391);
    EXPECT_TRUE(def_sortword("B", SW_LONG, 1, 7, 4000));
    EXPECT_EQ(address_of("B"), 4000);
    EXPECT_EQ(reported(), "");
}

TEST_F(Tables, DeclarationChecks)
{
    EXPECT_TRUE(def_sortword("A", SW_WORD, 0, 0, 5));
    EXPECT_FALSE(def_sortword("A", SW_WORD, 0, 0, 5));
    EXPECT_TRUE(has(reported(), "D1 "));
    EXPECT_FALSE(def_sortword("B", SW_WORD, 0, 0, 5));
    EXPECT_NE(reported().find("D9 : sortword address already allocated             -- @5"), std::string::npos);
    EXPECT_FALSE(def_sortword("C", SW_WORD, 0, 0, 1));   // a GA item's word
    EXPECT_TRUE(has(reported(), "D9 "));
    EXPECT_FALSE(def_sortword("D", SW_WORD, 0, 0, 16384));
    EXPECT_TRUE(has(reported(), "D8 "));
    EXPECT_FALSE(def_float("GA", 0, 0.0f));
    EXPECT_TRUE(has(reported(), "P4 "));
    EXPECT_TRUE(def_float("F", 1, -2.75f));
    EXPECT_EQ(inquire_sortwords().back().i, -2);
}

TEST_F(Tables, WordsUsedInCommands)
{
    EXPECT_TRUE(declare_sortword("READ_THEN_SET", 0));
    EXPECT_TRUE(declare_sortword("READ_THEN_SET", 1));
    EXPECT_TRUE(declare_sortword("ONLY_READ", 0));
    EXPECT_FALSE(declare_sortword("GA", 1));
    EXPECT_TRUE(has(reported(), "C96"));
    define_spectrum("HIST", {}, SPEC_1D, 100, 0, 0, 32, 0);
    EXPECT_TRUE(declare_sortword("HIST", 1));
    EXPECT_TRUE(has(reported(), "C104"));
    EXPECT_FALSE(check_sortwords());
    std::string text = reported();
    EXPECT_NE(text.find("C36: sortword used but never defined (never set anywhere) -- ONLY_READ"), std::string::npos);
    EXPECT_EQ(text.find("READ_THEN_SET"), std::string::npos);
    EXPECT_FALSE(check_wordlist({"X", "Y", "X"}));
    EXPECT_TRUE(has(reported(), "C47"));
}

TEST_F(Tables, CreateListForms)
{
    std::vector<int> numbers = {1, 2};
    EXPECT_EQ(check_createlist("L1", {"GA"}, &numbers), 0);
    EXPECT_EQ(inquire_paramlists().back().type, LIST_GROUP);
    numbers = {1, 10, 11};
    EXPECT_EQ(check_createlist("L2", {"GA"}, &numbers), -1);
    std::string text = reported();
    EXPECT_EQ(text.find("C98"), text.rfind("C98"));   // once, at the first mismatch
    EXPECT_NE(text.find("C98"), std::string::npos);
    numbers.clear();
    EXPECT_EQ(check_createlist("L3", {"W1", "W2", "W1"}, &numbers), -1);
    EXPECT_TRUE(has(reported(), "C47"));
    EXPECT_EQ(check_createlist("L1", {"GA"}, &numbers), -1);
    EXPECT_TRUE(has(reported(), "C9 "));
    EXPECT_EQ(check_createlist("L4", {"NOSUCH"}, &numbers), -1);
    EXPECT_TRUE(has(reported(), "C46"));
    EXPECT_EQ(check_createlist("L5", {"L1"}, &numbers), 0);
    EXPECT_EQ(inquire_paramlists().back().type, LIST_FROM_LIST);
}

TEST_F(Tables, CopiedAndDerivedListsKeepTheirGroup)
{
    std::vector<int> numbers;
    ASSERT_EQ(check_createlist("GL", {"GB"}, &numbers), 0);
    EXPECT_EQ(check_copylist("GL", "COPY"), 0);
    EXPECT_EQ(inquire_paramlists().back().grouptype, inquire_paramlists().front().grouptype);
    EXPECT_EQ(inquire_paramlists().back().type, LIST_GROUP);
    EXPECT_EQ(check_copylist("NONE", "COPY2"), -1);
    EXPECT_TRUE(has(reported(), "C10"));
    EXPECT_TRUE(check_newlist("NEWX", "GL", CURRENT_LINE));
    EXPECT_FALSE(check_newlist("NEWY", "UNKNOWN", CURRENT_LINE));
    EXPECT_EQ(reported(), "");
    EXPECT_FALSE(check_newlist("GA", "GL", CURRENT_LINE));
    EXPECT_TRUE(has(reported(), "P4 "));
}

TEST_F(Tables, ListTableIsGuarded)
{
    std::vector<int> numbers;
    for (int i = 0; i < MAX_PARAMLISTS; i++)
        ASSERT_EQ(check_createlist("L" + std::to_string(i), {"GA"}, &numbers), 0);
    EXPECT_EQ(check_createlist("ONE_TOO_MANY", {"GA"}, &numbers), -1);
    EXPECT_TRUE(has(reported(), "C105"));
}

TEST_F(Tables, DollarNamesByLevel)
{
    std::vector<int> numbers;
    ASSERT_EQ(check_createlist("LA", {"GA"}, &numbers), 0);
    ASSERT_EQ(check_createlist("LB", {"GB"}, &numbers), 0);
    EXPECT_TRUE(define_dollarword("$E", "LA", 1));
    EXPECT_TRUE(check_dollarword("$E", 3));
    EXPECT_FALSE(check_dollarword("$E", 0));
    EXPECT_TRUE(has(reported(), "C50"));
    EXPECT_FALSE(define_dollarword("$E", "LA", 2));
    EXPECT_TRUE(has(reported(), "C65"));
    reset_dollarwords(1);
    EXPECT_TRUE(define_dollarword("$E", "LA", 1));
    EXPECT_FALSE(define_dollarword("$E", "LB", 1));
    EXPECT_TRUE(has(reported(), "C66"));
    EXPECT_FALSE(define_dollarword("$F", "NOLIST", 0));
    EXPECT_TRUE(has(reported(), "C64"));
    EXPECT_FALSE(check_dollarlist("LA", {"$X", "$Y", "$X"}, 0));
    EXPECT_TRUE(has(reported(), "C47"));
    EXPECT_EQ(inquire_dollarwords().size(), 3u);   // $E, $X, $Y
    EXPECT_TRUE(check_group_paramlist_name("LA"));
    EXPECT_FALSE(check_group_paramlist_name("NOLIST"));
    EXPECT_TRUE(has(reported(), "C10"));
}

} // namespace

// The event format tables: bit layout, the address space and the queries.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "diagnostics.h"
#include "semantics/formats.h"

namespace {

class Formats : public testing::Test {
protected:
    void SetUp() override
    {
        yyerfp = std::tmpfile();
        condcode = 0;
        reset_semantic_tables();
    }
    void TearDown() override
    {
        std::fclose(yyerfp);
        yyerfp = stderr;
    }
};

TEST_F(Formats, ItemsFillWordsFromTheTopBits)
{
    EXPECT_TRUE(define_group("G", {7}, {"A", "B", "C", "D"}, {4, 4, 8, 16}));
    EXPECT_EQ(condcode, 0);   // 4 + 4 + 8 fill a word: no F9
    EXPECT_EQ(address_in_use(7), 0xFFFF);
    EXPECT_EQ(address_in_use((1 << 8) + 7), 0xFFFF);
    EXPECT_TRUE(define_group("H", {8}, {"A"}, {4}));
    EXPECT_EQ(address_in_use(8), 0xF000);
}

TEST_F(Formats, SharedItemNamesAndQueries)
{
    EXPECT_TRUE(define_group("G1", {1, 2}, {"ENERGY", "TIME"}, {16, 12}));
    EXPECT_TRUE(define_group("G2", {300}, {"ENERGY"}, {16}));
    int index;
    ASSERT_TRUE(search_item_names("ENERGY", &index));
    std::vector<std::string> names;
    std::vector<int> bits;
    ASSERT_TRUE(inquire_groupitems("G1", &names, &bits));
    EXPECT_EQ(names, (std::vector<std::string>{"ENERGY", "TIME"}));
    EXPECT_EQ(bits, (std::vector<int>{16, 12}));
    std::vector<int> numbers;
    ASSERT_TRUE(inquire_groupnumbers("G1", &numbers));
    EXPECT_EQ(numbers, (std::vector<int>{1, 2}));
    EXPECT_EQ(group_of_number(300), 1);
    EXPECT_EQ(address_in_use(300), 0);   // groups from 256 up keep out of the address space
    EXPECT_FALSE(inquire_groupitems("NOGROUP", &names, &bits));
    int address = 99;
    EXPECT_FALSE(inquire_adc("NOADC", &address));
    EXPECT_EQ(address, 0);
}

TEST_F(Formats, LastAddressOfTheHighestShortGroup)
{
    std::vector<std::string> names;
    std::vector<int> bits(63, 16);
    for (int i = 0; i < 63; i++)
        names.push_back("W" + std::to_string(i));
    EXPECT_TRUE(define_group("BIG", {255}, names, bits));
    EXPECT_EQ(address_in_use((62 << 8) + 255), 0xFFFF);
    EXPECT_EQ(condcode, 0);
}

TEST_F(Formats, SingleParametersAndItemsShareTheAddressSpace)
{
    EXPECT_TRUE(define_single_parameter("S", 5));
    EXPECT_FALSE(define_group("G", {5}, {"X"}, {1}));
    EXPECT_EQ(condcode, 8);
    condcode = 0;
    EXPECT_TRUE(define_group("H", {6}, {"Y"}, {1}));
    EXPECT_FALSE(define_single_parameter("T", 6));
    EXPECT_EQ(condcode, 8);
    int address;
    ASSERT_TRUE(inquire_adc("S", &address));
    EXPECT_EQ(address, 5);
}

} // namespace

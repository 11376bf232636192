// The Fera configuration reader: records it accepts with the tables they fill, and every record
// it refuses with its message.
#include <gtest/gtest.h>

#include <string>

#include "cf_path.h"
#include "fera_config.h"
#include "fera_tables.h"
#include "plugin_trace.h"
#include "temp_dir.h"
#include "test_host.h"

const char variant[] = "Xsys";

namespace {

struct config_reader : ::testing::Test {
    temp_dir dir;
    std::string output;

    void SetUp() override { test_host::reset(); }

    int read_config(const std::string &text)
    {
        dir.write(".tarvik.cf", text);
        EXPECT_TRUE(build_cf_file(dir.path.c_str()));
        testing::internal::CaptureStdout();
        int rc = cf_file_init();
        output = testing::internal::GetCapturedStdout();
        return rc;
    }
};

std::string repeat(const std::string &s, int n)
{
    std::string r;
    for (int i = 0; i < n; i++)
        r += s;
    return r;
}

struct refused_case {
    const char *what;
    std::string text;
    std::string message;
};

const refused_case refused_cases[] = {
    {"unknown keyword", "frobnicate 1 2\n", "Xsys Fera init: Invalid record frobnicate 1 2\n"},
    {"empty line", "module adc1 3 0 16 12 10\n\n", "Xsys Fera init: Invalid record \n"},
    {"line of blanks", "   \n", "Xsys Fera init: Invalid record    \n"},
    {"hash after blanks", "  # note\n", "Xsys Fera init: Invalid record   # note\n"},
    {"keyword as a prefix", "modules adc1 3 0 16 12 10\n", "Invalid record modules"},
    {"module, three numbers", "module adc1 3 0 16\n", "Xsys Fera init: Invalid config record <module adc1 3 0 16> n=3\n"},
    {"module, no numbers", "module adc1\n", "Invalid config record <module adc1> n=0\n"},
    {"VSN 256", "module a 256 0 16 12 10\n", "Xsys Fera init: Invalid VSN value 256\n"},
    {"VSN -1", "module a -1 0 16 12 10\n", "Xsys Fera init: Invalid VSN value -1\n"},
    {"33 channels", "module a 3 0 33 12 10\n", "Xsys Fera init: Invalid NCHANS value 33\n"},
    {"17 data bits", "module a 3 0 16 17 10\n", "Xsys Fera init: Invalid NDATABITS value 17\n"},
    {"base group 256", "module a 3 0 16 12 256\n", "Xsys Fera init: Invalid BASEGROUP value 256\n"},
    {"pattern type 4", "module a 3 4 16 12 10\n", "Xsys Fera init: Invalid PATTERN value 4\n"},
    {"pattern type -1", "module a 3 -1 16 12 10\n", "Xsys Fera init: Invalid PATTERN value -1\n"},
    {"65 modules", repeat("module a 3 0 16 12 10\n", 65), "Xsys Fera init: Too many module records, at most 64\n"},
    {"group without number", "group x 3:0\n", "Xsys Fera init: Invalid config record <group x 3:0> n=0\n"},
    {"group alone", "group\n", "Xsys Fera init: Invalid config record <group> n=0\n"},
    {"item abc", "group 5 3:0 abc 3:1\n", "Xsys Fera init: Invalid config record <abc> n=0\n"},
    {"item without sa", "group 5 3:\n", "Xsys Fera init: Invalid config record <3:> n=1\n"},
    {"group 256", "group 256 3:0\n", "Xsys Fera init: Invalid GROUP value 256\n"},
    {"group -1", "group -1 3:0\n", "Xsys Fera init: Invalid GROUP value -1\n"},
    {"item VSN 256", "group 5 256:0\n", "Xsys Fera init: Invalid address 256:0 in group 5\n"},
    {"item sa 64, address word 16387", "group 5 3:64\n", "Xsys Fera init: Invalid address 3:64 in group 5\n"},
    {"item sa -1", "group 5 3:-1\n", "Xsys Fera init: Invalid address 3:-1 in group 5\n"},
    {"id=0", "group 5 id=0 3:0\n", "Xsys Fera init: Invalid ID value 0\n"},
    {"id=16", "group 5 id=16 3:0\n", "Xsys Fera init: Invalid ID value 16\n"},
    {"item index past id bits", "group 5 id=2 3:0 3:1 3:2 3:3 3:4\n",
     "Xsys Fera init: Group 5 item 4 does not fit id=2\n"},
    {"fixed items count in the index", "group 5 3:0 3:1 id=1 3:2\n", "Group 5 item 2 does not fit id=1\n"},
    {"255 characters", "#" + std::string(254, 'x') + "\n", "Xsys Fera init: Record longer than 254 characters\n"},
};

TEST_F(config_reader, refuses_each_bad_record_with_its_message)
{
    for (const refused_case &c : refused_cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(read_config(c.text), -1);
        EXPECT_NE(output.find(c.message), std::string::npos) << output;
    }
}

TEST_F(config_reader, reports_a_missing_path_and_an_unreadable_file)
{
    cf_file[0] = '\0';
    testing::internal::CaptureStdout();
    EXPECT_EQ(cf_file_init(), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Xsys Fera init:Config file not specified ... \n ");

    build_cf_file((dir.path / "absent").c_str());
    testing::internal::CaptureStdout();
    EXPECT_EQ(cf_file_init(), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Xsys Fera init: File open error <" + dir.file("absent/.tarvik.cf") + "> ... \n ");
}

TEST_F(config_reader, refuses_a_base_directory_too_long_for_the_path)
{
    EXPECT_TRUE(build_cf_file(std::string(cf_file_size - 12, 'd').c_str()));
    EXPECT_FALSE(build_cf_file(std::string(cf_file_size - 11, 'd').c_str()));
    EXPECT_STREQ(cf_file, "");
}

TEST_F(config_reader, module_record_in_capitals_fills_the_module_tables)
{
    ASSERT_EQ(read_config("# wiring\nMODULE adc1 3 0 16 12 10\nModule tdc 7 2 8 16 40\n   "), 0) << output;
    EXPECT_EQ(module_vsn[3], 1);
    EXPECT_EQ(module_pattern[3], 0);
    EXPECT_EQ(module_datamask[3], 0x0fff);
    EXPECT_EQ(module_samask[3], 0x000f);
    EXPECT_EQ(module_basegroup[3], 10);
    EXPECT_EQ(module_datamask[7], 0xffff);
    EXPECT_EQ(module_samask[7], 0);
    EXPECT_EQ(module_vsn[4], 0);
    EXPECT_EQ(module_count, 2);
    EXPECT_EQ(modulelist_vsn[1], 7);
    EXPECT_EQ(modulelist_pattern[1], 2);
    EXPECT_EQ(modulelist_chans[1], 8);
    EXPECT_EQ(modulelist_databits[1], 16);
    EXPECT_EQ(use_groups, 0);
}

TEST_F(config_reader, limits_are_accepted_at_their_edge)
{
    EXPECT_EQ(read_config(repeat("module a 255 3 32 16 255\n", 64)), 0) << output;
    EXPECT_EQ(module_count, 64);
    EXPECT_EQ(read_config("group 5" + repeat(" 3:1", 61) + "\n"), 0) << output;
    EXPECT_EQ(groups_len[5], 61) << "the most items a record line holds";
    EXPECT_EQ(read_config("group 5" + repeat(" 3:1", 55) + " id=9" + repeat(" 3:1", 5) + "\n"), 0) << output;
    EXPECT_EQ(groups_fixedlen[5], 55);
    EXPECT_EQ(read_config("#" + std::string(253, 'x') + "\n"), 0) << output;
}

TEST_F(config_reader, group_record_with_fixed_and_variable_items)
{
    ASSERT_EQ(read_config("module adc1 3 0 16 12 10\ngroup 5 3:0 3:1 id=4 3:2 3:3\n"), 0) << output;
    EXPECT_EQ(use_groups, 1);
    EXPECT_EQ(groups_len[5], 4);
    EXPECT_EQ(groups_fixedlen[5], 2);
    EXPECT_EQ(groups_id[5], 4);
    const int words[] = {3, 259, 515, 771};
    for (int item = 0; item < 4; item++) {
        EXPECT_EQ(groups_defined[words[item]], 5);
        EXPECT_EQ(items_defined[words[item]], item);
    }
    EXPECT_EQ(groups_defined[4], -1);
    EXPECT_EQ(items_defined[1027], -1);
    EXPECT_EQ(groups_len[6], 0);
}

TEST_F(config_reader, a_token_after_the_variable_items_ends_the_record)
{
    ASSERT_EQ(read_config("group 6 id=4 3:0 stop 3:1\n"), 0) << output;
    EXPECT_EQ(groups_len[6], 1);
    EXPECT_EQ(groups_fixedlen[6], 0);
    EXPECT_EQ(groups_defined[259], -1);
}

TEST_F(config_reader, tables_keep_what_was_entered_before_an_error)
{
    EXPECT_EQ(read_config("group 5 3:0 3:1 abc\ngroup 6 4:0\n"), -1);
    EXPECT_EQ(groups_defined[3], 5);
    EXPECT_EQ(items_defined[259], 1);
    EXPECT_EQ(groups_defined[4], -1);
}

TEST_F(config_reader, traces_records_at_level_five)
{
    test_host::control().input_trace = 5;
    ASSERT_EQ(read_config("module adc1 3 0 16 12 10\ngroup 5 3:2\n"), 0);
    EXPECT_NE(output.find("Xsys Fera init: Record <module adc1 3 0 16 12 10>\n"), std::string::npos);
    EXPECT_NE(output.find("Xsys Fera init: Module found adc1 vsn 3 pattern 0 chans 16 bits 12 datamask 0fff "
                          "samask 000f base group 10\n"),
              std::string::npos);
    EXPECT_NE(output.find("Xsys Fera init: Group 5 ret 1\n"), std::string::npos);
    EXPECT_NE(output.find("Xsys Fera init: Group 5 nitem 0 vsn 3 sa 2 word 0x0203\n"), std::string::npos);
    test_host::control().input_trace = 4;
    read_config("module adc1 3 0 16 12 10\n");
    EXPECT_EQ(output, "");
}

TEST(lower_case, stops_at_the_length_and_at_the_end_of_the_text)
{
    char text[] = "AbC1Z\0QQ";
    lower_case(text, 4);
    EXPECT_STREQ(text, "abc1Z");
    lower_case(text, 8);
    EXPECT_STREQ(text, "abc1z");
    EXPECT_EQ(text[6], 'Q');
}

} // namespace

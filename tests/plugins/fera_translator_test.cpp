// The Fera translator on blocks served by the test host: every pattern type, module and group
// mode, the Xsys and Afrodite framings, bad events, bad blocks and the common frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cf_path.h"
#include "fera_config.h"
#include "fera_translator.h"
#include "plugin_trace.h"
#include "run_files.h"
#include "tarvikinput.h"
#include "tarvikstats.h"
#include "temp_dir.h"
#include "test_host.h"

const char variant[] = "Xsys";

namespace {

using datagen::fera_module;
using datagen::words;
using datagen::xsys_event;

words cat(std::initializer_list<words> parts)
{
    words w;
    for (const words &p : parts)
        w.insert(w.end(), p.begin(), p.end());
    return w;
}

// The translator output expected for these events (group words only), terminator included.
words eurogam(const std::vector<words> &events)
{
    words w;
    for (const words &e : events) {
        w.push_back(0xFFFF);
        w.push_back(static_cast<uint16_t>((e.size() + 2) * 2));
        w.insert(w.end(), e.begin(), e.end());
    }
    w.push_back(0xFFFF);
    w.push_back(0x0000);
    return w;
}

struct counts {
    int good, bad, badblocks;
};

struct fera_case {
    const char *what;
    const char *config;
    std::vector<words> blocks;
    std::vector<words> expected;   // the groups of each translated event
    counts counted;
};

struct fera_translator : ::testing::Test {
    temp_dir dir;

    void SetUp() override { test_host::reset(); }

    void configure(const std::string &text)
    {
        dir.write(".tarvik.cf", text);
        build_cf_file(dir.path.c_str());
        testing::internal::CaptureStdout();
        int rc = fera_translator_init();
        std::string shown = testing::internal::GetCapturedStdout();
        ASSERT_EQ(rc, 0) << shown;
    }

    // Translates with room for limit words before outend (and the host's slack after it).
    words translate(int (*translator)(int, uint16_t *, uint16_t *), int limit, int *rc = nullptr)
    {
        words out(static_cast<size_t>(limit + TARVIK_MAX_TRANSLATED_EVENT_WORDS + TARVIK_TERMINATOR_WORDS));
        int bytes = translator(1, out.data(), out.data() + limit);
        if (rc)
            *rc = bytes;
        out.resize(bytes > 0 ? static_cast<size_t>(bytes / 2) : 0);
        return out;
    }

    void run_case(const fera_case &c, int (*translator)(int, uint16_t *, uint16_t *))
    {
        SCOPED_TRACE(c.what);
        test_host::reset();
        configure(c.config);
        for (const words &b : c.blocks)
            test_host::queue_block(b);
        words out = translate(translator, 1 << 16);
        EXPECT_EQ(out, c.expected.empty() ? words{} : eurogam(c.expected));
        EXPECT_EQ(goodevents, c.counted.good);
        EXPECT_EQ(badevents, c.counted.bad);
        EXPECT_EQ(badblocks, c.counted.badblocks);
    }
};

const char *const module_config = "module adc 3 0 16 12 10\n"
                                  "module p1 4 1 16 12 20\n"
                                  "module hit 5 2 4 16 30\n"
                                  "module t3 6 3 14 16 40\n"
                                  "module big 8 0 16 4 250\n";

// A block as the Xsys reader hands it on: events from the first data word on.
words xsys_block(std::initializer_list<words> events)
{
    return cat(events);
}

words zeros(int n)
{
    return words(static_cast<size_t>(n), 0);
}

const std::vector<fera_case> xsys_module_cases = {
    {"type 0: channel above the data bits, base group added", module_config,
     {xsys_block({xsys_event(fera_module(3, {0x2ABC}))})}, {{0x410C, 0x0ABC}}, {1, 0, 0}},
    {"type 1: the pattern word is read and ignored", module_config,
     {xsys_block({xsys_event(fera_module(4, {0x1005, 0x0006}, 1, 0xFFFF))})},
     {{0x4115, 0x0005, 0x4114, 0x0006}}, {1, 0, 0}},
    {"type 2: words whose pattern bit is clear become 0", module_config,
     {xsys_block({xsys_event(fera_module(5, {0x111, 0x222, 0x333, 0x444}, 2, 0x0005))})},
     {{0x411E, 0, 0x411F, 0x222, 0x4120, 0, 0x4121, 0x444}}, {1, 0, 0}},
    {"type 3: fourteen words whatever the header says, masked by position", module_config,
     {xsys_block({xsys_event(fera_module(6, {0xF123, 0xF456, 0x7777, 0, 0, 0xF789, 0, 0, 0, 0, 0, 0, 0, 0xFFFF},
                                         3, 0x3000 | 0x0100 | 0x0001, 2))})},
     {{0x4128, 0x7123, 0x4129, 0x3456, 0x412A, 0, 0x412B, 0, 0x412C, 0, 0x412D, 0x0789, 0x412E, 0, 0x412F, 0,
       0x4130, 0, 0x4131, 0, 0x4132, 0, 0x4133, 0, 0x4134, 0, 0x4135, 0x0FFF}},
     {1, 0, 0}},
    {"groups 256-1023 take the extended header, higher ones are dropped", module_config,
     {xsys_block({xsys_event(fera_module(8, {0x0101, 0xFFF1, 0x0052}))})},
     {{0x8001, 266, 0x0001, 0x0000, 0x4100 | 255, 0x0002}}, {1, 0, 0}},
    {"words of an undeclared module are dropped", module_config,
     {xsys_block({xsys_event(fera_module(9, {0x2ABC})), xsys_event(cat({fera_module(9, {1}), fera_module(3, {0x0001})}))})},
     {{0x410A, 0x0001}}, {1, 0, 0}},
    {"words without bit 15 between modules are skipped", module_config,
     {xsys_block({xsys_event(cat({fera_module(3, {0x1001}), {0x0123, 0x0456}, fera_module(3, {0x2002})}))})},
     {{0x410B, 0x001, 0x410C, 0x002}}, {1, 0, 0}},
    {"the search skips words up to the next event, across blocks", module_config,
     {xsys_block({{0x0000, 0x1234}, xsys_event(fera_module(3, {0x0001})), zeros(5)}),
      xsys_block({{0x7777}, xsys_event(fera_module(3, {0x0002}))})},
     {{0x410A, 0x0001}, {0x410A, 0x0002}}, {2, 0, 0}},
    {"a module whose data run past its event stops at the event end", module_config,
     {xsys_block({xsys_event(fera_module(3, {0x0001}, 0, 0, 5)), xsys_event(fera_module(3, {0x0002}))})},
     {{0x410A, 0x0001}, {0x410A, 0x0002}}, {2, 0, 0}},
    {"an event without data words yields nothing", module_config,
     {xsys_block({{0x0004, 0x8001}, xsys_event(fera_module(3, {0x0003}))})}, {{0x410A, 0x0003}}, {1, 0, 0}},
    {"an event of 516 bytes carries 256 data words", module_config,
     {xsys_block({{516, 0x8001}, fera_module(3, {0x0007}), zeros(254)})}, {{0x410A, 0x0007}}, {1, 0, 0}},
    {"an event of 518 bytes is rejected and counted", module_config,
     {xsys_block({{518, 0x8001}, fera_module(3, {0x0007}), zeros(255), xsys_event(fera_module(3, {0x0008}))})},
     {{0x410A, 0x0008}}, {1, 1, 0}},
    {"an event whose length points past its block is rejected and counted", module_config,
     {xsys_block({{40, 0x8001}, fera_module(3, {0x0007})})}, {}, {0, 1, 0}},
    {"a block whose first event id is above 200 is rejected", module_config,
     {xsys_block({xsys_event(fera_module(3, {0x0001}), 201)}), xsys_block({xsys_event(fera_module(3, {0x0002}), 200)})},
     {{0x410A, 0x0002}}, {1, 0, 1}},
    {"blocks too short for the block check are rejected", module_config,
     {words{}, words{0x8001}, xsys_block({xsys_event(fera_module(3, {0x0002}))})}, {{0x410A, 0x0002}}, {1, 0, 2}},
};

TEST_F(fera_translator, xsys_module_mode)
{
    for (const fera_case &c : xsys_module_cases)
        run_case(c, xsys_translate);
}

const char *const group_config = "module adc 3 0 16 12 10\n"
                                 "module hit 5 2 4 16 30\n"
                                 "group 7 3:0 3:1\n"
                                 "group 8 3:2\n"
                                 "group 9 3:3 3:4 3:5\n"
                                 "group 10 id=4 3:6 3:7 3:8 3:9\n"
                                 "group 11 3:10 id=2 3:11 3:12\n"
                                 "group 12 5:0 5:1 5:2 5:3\n";

words hits(std::initializer_list<uint16_t> data)
{
    return xsys_event(fera_module(3, data));
}

const std::vector<fera_case> xsys_group_cases = {
    {"two fixed items, only the second hit: a 0 for the first and a pad", group_config,
     {hits({0x1055})}, {{0x4207, 0x0000, 0x0055, 0x0000}}, {1, 0, 0}},
    {"one fixed item, no pad; three fixed items, no pad", group_config,
     {hits({0x2011, 0x4022})}, {{0x4108, 0x0011, 0x4309, 0x0000, 0x0022, 0x0000}}, {1, 0, 0}},
    {"variable items carry their index in the top id bits", group_config,
     {hits({0x8123})}, {{0x410A, 0x2123}}, {1, 0, 0}},
    {"fixed and variable items, index counted from the first item", group_config,
     {hits({0xB7FF, 0xA005, 0xC001})}, {{0x430B, 0x0005, 0x47FF, 0x8001}}, {1, 0, 0}},
    {"groups come out in the order of their first hit; a later hit overwrites", group_config,
     {hits({0x2001, 0x1002, 0x0003, 0x0004})}, {{0x4108, 0x0001, 0x4207, 0x0004, 0x0002, 0x0000}}, {1, 0, 0}},
    {"item slots are cleared between events", group_config,
     {cat({hits({0x0001, 0x1002}), hits({0x1003})})},
     {{0x4207, 0x0001, 0x0002, 0x0000}, {0x4207, 0x0000, 0x0003, 0x0000}}, {2, 0, 0}},
    {"channels without a group are dropped; an event of such channels yields nothing", group_config,
     {cat({hits({0xF001}), hits({0xF002, 0x2003})})}, {{0x4108, 0x0003}}, {1, 0, 0}},
    {"a variable group whose hits are all 0 keeps its header and pad", group_config,
     {hits({0x8000})}, {{0x400A, 0x0000}}, {1, 0, 0}},
    {"a type 2 module in group mode", group_config,
     {xsys_event(fera_module(5, {0x111, 0x222, 0x333, 0x444}, 2, 0x000A))},
     {{0x440C, 0x111, 0x0000, 0x333, 0x0000, 0x0000}}, {1, 0, 0}},
};

TEST_F(fera_translator, xsys_group_mode)
{
    for (const fera_case &c : xsys_group_cases)
        run_case(c, xsys_translate);
}

const std::vector<fera_case> afrodite_cases = {
    {"events end at 0xFFFF", module_config,
     {datagen::afrodite_events({fera_module(3, {0x1001}), cat({fera_module(3, {0x2002}), fera_module(5, {1, 2}, 2, 3, 2)})})},
     {{0x410B, 0x0001}, {0x410C, 0x0002, 0x411E, 0x0001, 0x411F, 0x0002}}, {2, 0, 0}},
    {"no length word, no block check: a header word with VSN 201 is a module", module_config,
     {cat({{0x0001}, fera_module(201, {0x0009}), fera_module(3, {0x0004}), {0xFFFF}})}, {{0x410A, 0x0004}}, {1, 0, 0}},
    {"the block end ends an event; its last word is not decoded as a header", module_config,
     {cat({fera_module(3, {0x1001}), {0x8103}}), cat({fera_module(3, {0x1002}), {0xFFFF}})},
     {{0x410B, 0x0001}, {0x410B, 0x0002}}, {2, 0, 0}},
    {"a module whose data run past the block yields the channels in the block", module_config,
     {fera_module(3, {0x1001, 0x2002}, 0, 0, 4), fera_module(3, {0x0003})},
     {{0x410B, 0x0001, 0x410C, 0x0002}, {0x410A, 0x0003}}, {2, 0, 0}},
    {"group mode with the Afrodite framing", group_config,
     {datagen::afrodite_events({fera_module(3, {0x2011}), fera_module(3, {0x8123})})},
     {{0x4108, 0x0011}, {0x410A, 0x2123}}, {2, 0, 0}},
};

TEST_F(fera_translator, afrodite_framing)
{
    for (const fera_case &c : afrodite_cases)
        run_case(c, afrodite_translate);
}

TEST_F(fera_translator, afrodite_event_ends_after_the_module_that_uses_its_budget)
{
    configure(module_config);
    words block;
    for (int m = 0; m < 70; m++) {
        words data;
        for (int i = 0; i < 15; i++)
            data.push_back(static_cast<uint16_t>(i << 12 | m));
        words mod = fera_module(3, data);
        block.insert(block.end(), mod.begin(), mod.end());
    }
    test_host::queue_block(block);
    words out = translate(afrodite_translate, 1 << 16);
    datagen::words expected_first, expected_second;
    for (int m = 0; m < 70; m++)
        for (int i = 0; i < 15; i++) {
            words &e = m < 64 ? expected_first : expected_second;
            e.push_back(static_cast<uint16_t>(0x410A + i));
            e.push_back(static_cast<uint16_t>(m));
        }
    EXPECT_EQ(out, eurogam({expected_first, expected_second}));
    EXPECT_EQ(goodevents, 2);
}

TEST_F(fera_translator, exhausted_input_returns_the_hosts_result_and_writes_nothing)
{
    configure(module_config);
    int rc = 1;
    EXPECT_TRUE(translate(xsys_translate, 100, &rc).empty());
    EXPECT_EQ(rc, 0);
    test_host::set_end_result(-1);
    translate(afrodite_translate, 100, &rc);
    EXPECT_EQ(rc, -1);
    EXPECT_EQ(goodevents, 0);
}

TEST_F(fera_translator, stops_after_the_event_that_passes_outend_and_goes_on_next_call)
{
    configure(module_config);
    test_host::queue_block(cat({hits({0x0001}), hits({0x0002}), hits({0x0003})}));
    int rc = 0;
    words first = translate(xsys_translate, 5, &rc);
    EXPECT_EQ(first, eurogam({{0x410A, 0x0001}, {0x410A, 0x0002}}));
    EXPECT_EQ(rc, 2 * (4 + 4 + 2));
    EXPECT_EQ(translate(xsys_translate, 5), eurogam({{0x410A, 0x0003}}));
    EXPECT_EQ(goodevents, 3);
}

TEST_F(fera_translator, init_reports_the_readers_result)
{
    dir.write(".tarvik.cf", "module adc 3 9 16 12 10\n");
    build_cf_file(dir.path.c_str());
    testing::internal::CaptureStdout();
    EXPECT_EQ(fera_translator_init(), -1);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Xsys Fera format translator init completed ... retcode -1\n"),
              std::string::npos);
}

} // namespace

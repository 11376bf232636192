// End to end through the built plug-ins: a run file with a known set of events is written, read
// block by block through the plug-in, translated, and every group and item value of the Eurogam
// output is compared with what the events hold, in module mode and in group mode.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "eurogam_events.h"
#include "plugin_fixture.h"
#include "tarvikstats.h"

namespace {

using datagen::eurogam_event;
using datagen::eurogam_group;
using datagen::words;

// One module channel as the test means it to arrive: module, sub-address, value.
struct hit {
    int vsn, sa;
    uint16_t value;
};

// The modules of the run: an ADC of pattern type 0, a hit-pattern module of type 2 (8 channels)
// and a type 3 module.
const char *const modules = "module adc 3 0 16 12 10\n"
                            "module hit 5 2 8 16 30\n"
                            "module t3 6 3 14 16 60\n";

struct generated_event {
    words readouts;
    std::vector<hit> hits;   // in the order the words lie, values as the translator must see them
};

generated_event random_event(std::mt19937 &rng)
{
    generated_event e;
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    auto add = [&](const words &w) { e.readouts.insert(e.readouts.end(), w.begin(), w.end()); };
    do {
        if (pick(2)) {
            words data;
            for (int n = 1 + pick(6); n > 0; n--) {
                hit h{3, pick(16), static_cast<uint16_t>(pick(0x1000))};
                data.push_back(static_cast<uint16_t>(h.sa << 12 | h.value));
                e.hits.push_back(h);
            }
            add(datagen::fera_module(3, data));
        }
        if (pick(3) == 0) {
            uint16_t pattern = static_cast<uint16_t>(pick(256));
            words data;
            for (int i = 0; i < 8; i++) {
                data.push_back(static_cast<uint16_t>(pick(0x8000)));
                e.hits.push_back({5, i, (pattern >> (7 - i) & 1) ? data.back() : uint16_t{0}});
            }
            add(datagen::fera_module(5, data, 2, pattern));
        }
        if (pick(4) == 0) {
            uint16_t pattern = static_cast<uint16_t>(pick(0x4000));
            words data;
            for (int i = 0; i < 14; i++) {
                data.push_back(static_cast<uint16_t>(pick(0x8000)));
                uint16_t mask = i == 0 ? 0x7FFF : i <= 4 ? 0x3FFF : 0x0FFF;
                e.hits.push_back({6, i, (pattern >> (13 - i) & 1) ? uint16_t(data.back() & mask) : uint16_t{0}});
            }
            add(datagen::fera_module(6, data, 3, pattern, 0));
        }
    } while (e.hits.empty());
    return e;
}

std::vector<generated_event> random_events(int n)
{
    std::mt19937 rng(20260611);
    std::vector<generated_event> events;
    for (int i = 0; i < n; i++)
        events.push_back(random_event(rng));
    return events;
}

int base_group(int vsn)
{
    return vsn == 3 ? 10 : vsn == 5 ? 30 : 60;
}

eurogam_event module_mode_expectation(const generated_event &e)
{
    eurogam_event groups;
    for (const hit &h : e.hits)
        groups.push_back({h.sa + base_group(h.vsn), {h.value}});
    return groups;
}

// Group mode: fixed and variable items of these groups, by module and sub-address.
const char *const group_records = "group 20 3:0 3:1 3:2\n"
                                  "group 21 3:3 id=3 3:4 3:5 3:6\n"
                                  "group 22 5:0 5:1 5:2 5:3 5:4 5:5 5:6 5:7\n"
                                  "group 23 id=4 6:0 6:1 6:2 6:3 6:4 6:5 6:6 6:7 6:8 6:9 6:10 6:11 6:12 6:13\n";

struct group_wiring {
    int group, item;
};

bool wiring_of(const hit &h, group_wiring &w)
{
    if (h.vsn == 3 && h.sa <= 2)
        w = {20, h.sa};
    else if (h.vsn == 3 && h.sa <= 6)
        w = {21, h.sa - 3};
    else if (h.vsn == 5)
        w = {22, h.sa};
    else if (h.vsn == 6)
        w = {23, h.sa};
    else
        return false;
    return true;
}

eurogam_event group_mode_expectation(const generated_event &e)
{
    const std::map<int, std::pair<int, int>> shape = {{20, {3, 0}}, {21, {1, 3}}, {22, {8, 0}}, {23, {0, 4}}};
    std::vector<int> order;
    std::map<int, std::vector<uint16_t>> slots;
    for (const hit &h : e.hits) {
        group_wiring w;
        if (!wiring_of(h, w))
            continue;
        if (!slots.count(w.group)) {
            order.push_back(w.group);
            slots[w.group].assign(16, 0);
        }
        slots[w.group][static_cast<size_t>(w.item)] = h.value;
    }
    eurogam_event groups;
    for (int g : order) {
        auto [fixed, id] = shape.at(g);
        eurogam_group out{g, {}};
        for (int j = 0; j < 16; j++) {
            uint16_t v = slots[g][static_cast<size_t>(j)];
            if (j < fixed)
                out.words.push_back(v);
            else if (id && v)
                out.words.push_back(static_cast<uint16_t>(j << (16 - id) | (v & ((1 << (16 - id)) - 1))));
        }
        groups.push_back(out);
    }
    return groups;
}

struct end_to_end : disc_plugin_fixture {
    // Reads every block of the open run file through the plug-in, then translates them all.
    std::vector<eurogam_event> sort_run(input_plugin &p, int *reads)
    {
        for (int n; (n = read(p)) > 0; ++*reads)
            test_host::queue_read_block(buffer.data(), offset, n);
        std::vector<eurogam_event> events;
        words out(1000 + TARVIK_MAX_TRANSLATED_EVENT_WORDS + TARVIK_TERMINATOR_WORDS);
        for (int bytes; (bytes = p.translate(1, out.data(), out.data() + 1000)) > 0;) {
            datagen::eurogam_output o = datagen::unpack_eurogam(out.data(), bytes);
            EXPECT_EQ(o.error, "");
            EXPECT_TRUE(o.terminated);
            events.insert(events.end(), o.events.begin(), o.events.end());
        }
        return events;
    }

    void write_xsys_run(const std::vector<generated_event> &events, int *data_blocks)
    {
        std::vector<words> raw;
        for (const generated_event &e : events)
            raw.push_back(datagen::xsys_event(e.readouts));
        std::vector<words> blocks = datagen::xsys_data_blocks(raw);
        *data_blocks = static_cast<int>(blocks.size());
        blocks.insert(blocks.begin(), datagen::xsys_comment_block("start of run", 0x80FE));
        blocks.insert(blocks.begin() + 3, datagen::xsys_comment_block("", 0x0000));
        datagen::write_file(dir.file("run.dat"), on_disc(blocks));
    }

    void start(input_plugin &p, const std::string &config)
    {
        test_host::set_input_file(1, dir.file("run.dat"));
        dir.write(".tarvik.cf", config);
        EXPECT_EQ(p.init(), 1);
        testing::internal::CaptureStdout();
        EXPECT_EQ(p.translator_init(), 0);
        EXPECT_EQ(p.open(1), 0);
        testing::internal::GetCapturedStdout();
    }
};

TEST_F(end_to_end, xsys_disc_in_module_mode_and_group_mode)
{
    input_plugin &p = loaded("xsys_disc");
    std::vector<generated_event> events = random_events(400);
    int data_blocks = 0;
    write_xsys_run(events, &data_blocks);
    ASSERT_GT(data_blocks, 10);

    for (bool group_mode : {false, true}) {
        SCOPED_TRACE(group_mode ? "group mode" : "module mode");
        test_host::reset();
        start(p, std::string(modules) + (group_mode ? group_records : ""));
        int reads = 0;
        testing::internal::CaptureStdout();
        std::vector<eurogam_event> sorted = sort_run(p, &reads);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nstart of run\n");
        EXPECT_EQ(reads, data_blocks);
        std::vector<eurogam_event> expected;
        for (const generated_event &e : events) {
            eurogam_event groups = group_mode ? group_mode_expectation(e) : module_mode_expectation(e);
            if (!groups.empty())
                expected.push_back(groups);
        }
        ASSERT_EQ(sorted.size(), expected.size());
        for (size_t i = 0; i < expected.size(); i++)
            ASSERT_EQ(sorted[i], expected[i]) << "event " << i;
        EXPECT_EQ(goodevents, static_cast<int>(expected.size()));
        EXPECT_EQ(badevents, 0);
        EXPECT_EQ(badblocks, 0);
        p.close(1, 0);
    }
}

TEST_F(end_to_end, afrodite_disc_over_filler_and_byte_swapped_blocks)
{
    input_plugin &p = loaded("afrodite_disc");
    std::vector<generated_event> events = random_events(60);
    std::vector<datagen::bytes> blocks{datagen::filler_block()};
    for (size_t first = 0; first < events.size(); first += 20) {
        std::vector<words> raw;
        for (size_t i = first; i < first + 20; i++)
            raw.push_back(events[i].readouts);
        bool swap = first == 20;
        blocks.push_back(datagen::eurogam_block(datagen::afrodite_events(raw), {16384, 1, int16_t(swap ? 256 : 1), std::nullopt, swap}));
    }
    datagen::write_file(dir.file("run.dat"), blocks);
    start(p, modules);
    int reads = 0;
    std::vector<eurogam_event> sorted = sort_run(p, &reads);
    EXPECT_EQ(reads, 3);
    ASSERT_EQ(sorted.size(), events.size());
    for (size_t i = 0; i < events.size(); i++)
        ASSERT_EQ(sorted[i], module_mode_expectation(events[i])) << "event " << i;
    EXPECT_EQ(goodevents, 60);
}

} // namespace

#include "fera_decode.h"

#include <cstdio>

#include "fera_tables.h"
#include "plugin_trace.h"
#include "tarvikblocks.h"

namespace {

// Group-mode working state, reset for every event.
int16_t xsysaddr_found[n_groups][group_slots];
int n_xsysaddr[n_groups];
int groups_found[n_groups];
int n_groups_found;

// masks[k] keeps the value bits below a k-bit item index.
constexpr uint16_t masks[16] = {0xFFFF, 0x7FFF, 0x3FFF, 0x1FFF, 0x0FFF, 0x07FF, 0x03FF, 0x01FF,
                                0x00FF, 0x007F, 0x003F, 0x001F, 0x000F, 0x0007, 0x0003, 0x0001};

// Single-bit masks of the hit-pattern test, indexed by 16 - nadcs + i.
constexpr uint16_t hit_bits[16] = {0x8000, 0x4000, 0x2000, 0x1000, 0x0800, 0x0400, 0x0200, 0x0100,
                                   0x0080, 0x0040, 0x0020, 0x0010, 0x0008, 0x0004, 0x0002, 0x0001};

constexpr int type3_nadcs = 14;

struct channel {
    int sa;
    uint16_t value;
};

// The next word at module level; false when the event ends there.
bool module_word(word_cursor &c, uint16_t &w)
{
    if (c.next >= c.end || c.budget <= 0)
        return false;
    w = *c.next++;
    c.budget--;
    if (c.afrodite && (w == EUROGAM_EVENT_MARKER || c.next == c.end))
        return false;
    return true;
}

// The next pattern or data word of a module; false when the event has no words left.
bool data_word(word_cursor &c, uint16_t &w)
{
    if (c.next >= c.end || c.budget <= 0)
        return false;
    w = *c.next++;
    c.budget--;
    return true;
}

channel decode_channel(int vsn, int type, int nadcs, uint16_t pattern, int i, uint16_t word)
{
    switch (type) {
    case 2:
        return {i, (pattern & hit_bits[16 - nadcs + i]) ? word : uint16_t{0}};
    case 3: {
        uint16_t mask = i == 0 ? 0x7FFF : i <= 4 ? 0x3FFF : 0x0FFF;
        uint16_t value = (pattern & hit_bits[16 - type3_nadcs + i]) ? word & mask : 0;
        return {i, value};
    }
    default: // types 0 and 1; the reader admits no others
        return {(word >> module_databits[vsn]) & module_samask[vsn],
                static_cast<uint16_t>(word & module_datamask[vsn])};
    }
}

void trace_skipped(int vsn, int sa, uint16_t word)
{
    if (trace_above(1))
        std::printf("%s Fera handler: data skipped, vsn %d sa %d (word %04x)\n", variant, vsn, sa, word);
}

// Module mode: one group per channel, numbered from the module's base group. Groups 256-1023 take
// the extended header; higher numbers cannot be written and are dropped.
uint16_t *store_module_mode(int vsn, channel ch, uint16_t word, uint16_t *out)
{
    int group = ch.sa + module_basegroup[vsn];
    if (group > EUROGAM_MAX_GROUP) {
        trace_skipped(vsn, ch.sa, word);
        return out;
    }
    return eurogam_put_group(out, group, &ch.value, 1);
}

// Group mode: the value goes into its item slot of the configured group; the group, or -1 when
// the channel feeds none.
int store_group_mode(int vsn, channel ch, uint16_t word)
{
    long address = vsn + static_cast<long>(ch.sa) * 256;
    int g = address < n_address_words ? groups_defined[address] : -1;
    int item = address < n_address_words ? items_defined[address] : -1;
    if (g < 0 || item < 0 || g >= n_groups || item >= group_slots) {
        trace_skipped(vsn, ch.sa, word);
        return -1;
    }
    if (n_xsysaddr[g] == 0) {
        for (int s = 0; s < group_slots; s++)
            xsysaddr_found[g][s] = 0;
        groups_found[n_groups_found++] = g;
    }
    xsysaddr_found[g][item] = static_cast<int16_t>(ch.value);
    n_xsysaddr[g]++;
    return g;
}

// Words of a module that the configuration does not declare carry no channel: they are dropped.
uint16_t *store_channel(int vsn, channel ch, const uint16_t *at, uint16_t *out)
{
    uint16_t word = *at;
    int group = -1;
    if (!module_vsn[vsn]) {
        trace_skipped(vsn, ch.sa, word);
    } else if (use_groups) {
        group = store_group_mode(vsn, ch, word);
    } else {
        out = store_module_mode(vsn, ch, word, out);
        group = ch.sa + module_basegroup[vsn];
    }
    if (trace_above(4))
        std::printf("%s Fera-format: addr %08x vsn %d sa %d group %d word %04x\n", variant,
                    trace_address(at), vsn, ch.sa, group, word);
    return out;
}

uint16_t *decode_module(word_cursor &c, const uint16_t *at, uint16_t *out)
{
    uint16_t header = *at;
    int vsn = header & 0xFF;
    int nadcs = (header >> 8) & 0x0F;
    int type = module_pattern[vsn];
    uint16_t pattern = 0;
    if (type >= 1 && type <= 3 && !data_word(c, pattern))
        return out;
    if (type == 3)
        nadcs = type3_nadcs;
    if (trace_above(4))
        std::printf("%s format: addr %08x header %x nadcs %d vsn %d pattern %xdatamask %x\n", variant,
                    trace_address(at), header, nadcs, vsn, pattern, module_datamask[vsn]);
    uint16_t word = 0;
    for (int i = 0; i < nadcs && data_word(c, word); i++)
        out = store_channel(vsn, decode_channel(vsn, type, nadcs, pattern, i, word), c.next - 1, out);
    return out;
}

void begin_event()
{
    for (int f = 0; f < n_groups_found; f++)
        n_xsysaddr[groups_found[f]] = 0;
    n_groups_found = 0;
}

// One group of the configuration: its fixed items, then its hit variable items with the item
// index in the top k bits.
uint16_t *emit_group(int g, uint16_t *out)
{
    uint16_t words[max_group_items];
    int n = 0;
    for (int j = 0; j < groups_fixedlen[g] && n < max_group_items; j++) {
        words[n++] = static_cast<uint16_t>(xsysaddr_found[g][j]);
        if (trace_above(4))
            std::printf("%s Fera format:   Accept Group %d   fixed word 0x%x ...\n", variant, g,
                        words[n - 1]);
    }
    int k = groups_id[g];
    for (int j = groups_fixedlen[g]; k != 0 && j < groups_len[g] && n < max_group_items; j++) {
        uint16_t slot = static_cast<uint16_t>(xsysaddr_found[g][j]);
        if (slot == 0)
            continue;
        words[n++] = static_cast<uint16_t>(j << (16 - k) | (slot & masks[k]));
        if (trace_above(4))
            std::printf("%s Fera format:   Accept Group %d variable word 0x%x data 0x%x...\n", variant,
                        g, slot, words[n - 1]);
    }
    return eurogam_put_group(out, g, words, n);
}

} // namespace

int decode_event(word_cursor &c, uint16_t *body)
{
    begin_event();
    uint16_t *out = body;
    uint16_t w = 0;
    while (module_word(c, w)) {
        if (w & 0x8000)
            out = decode_module(c, c.next - 1, out);
    }
    for (int f = 0; use_groups && f < n_groups_found; f++)
        out = emit_group(groups_found[f], out);
    return static_cast<int>(out - body);
}

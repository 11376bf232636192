#include "event_data.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tarvik::testdata {

namespace {

constexpr int germanium_detectors = 24;
constexpr int shield_first_group = 32;
constexpr double cascade_kev[] = {121.8, 244.7, 344.3, 411.1, 444.0, 778.9, 867.4, 964.1,
                                  1085.8, 1112.1, 1212.9, 1299.1, 1408.0};

struct event_words {
    std::vector<uint16_t> w;
    void group(int number, std::initializer_list<uint16_t> data)
    {
        int n = int(data.size());
        w.push_back(uint16_t(0x4000 | n << 8 | number));
        w.insert(w.end(), data);
        if (n % 2 == 0)
            w.push_back(0);
    }
};

uint16_t channel(double value, int max)
{
    return uint16_t(std::clamp(int(std::lround(value)), 0, max));
}

double germanium_energy(event_source &src)
{
    std::uniform_real_distribution<double> u(0.0, 1.0);
    double e = cascade_kev[std::uniform_int_distribution<int>(0, std::size(cascade_kev) - 1)(src.rng)];
    if (u(src.rng) < 0.3)
        return std::normal_distribution<double>(e, 0.9)(src.rng);
    double compton_edge = e * (1.0 - 1.0 / (1.0 + 2.0 * e / 511.0));
    return u(src.rng) * compton_edge;    // scattered out: part of the energy only
}

void add_germanium(event_source &src, event_words &ev)
{
    int mult = 1 + std::min(9, int(std::poisson_distribution<int>(2.2)(src.rng)));
    std::vector<int> hit(germanium_detectors);
    for (int i = 0; i < germanium_detectors; i++)
        hit[i] = i + 1;
    std::shuffle(hit.begin(), hit.end(), src.rng);
    std::sort(hit.begin(), hit.begin() + mult);
    for (int i = 0; i < mult; i++) {
        int d = hit[i];
        double gain = 4.0 + 0.01 * (d % 7), offset = 3.0 * (d % 5);
        double t = std::normal_distribution<double>(2000.0 + 7.0 * d, 35.0)(src.rng);
        ev.group(d, {channel(germanium_energy(src) * gain + offset, 16383), channel(t, 4095)});
    }
}

void add_shields(event_source &src, event_words &ev)
{
    int mult = std::min(8, int(std::poisson_distribution<int>(1.5)(src.rng)));
    for (int i = 0; i < mult; i++) {
        int g = shield_first_group + std::uniform_int_distribution<int>(0, 23)(src.rng);
        ev.group(g, {channel(std::exponential_distribution<double>(1.0 / 140.0)(src.rng), 1023)});
    }
}

std::vector<uint16_t> make_event(event_source &src)
{
    event_words ev;
    ev.w = {0xFFFF, 0};
    uint32_t n = ++src.event_count;
    uint32_t stamp = n * 37 + std::uniform_int_distribution<uint32_t>(0, 30)(src.rng);
    ev.group(0, {uint16_t(n), uint16_t(stamp >> 16), uint16_t(stamp)});
    add_germanium(src, ev);
    add_shields(src, ev);
    ev.w[1] = uint16_t(ev.w.size() * 2);
    return ev.w;
}

void put_header(uint8_t *p, uint32_t blockno, uint32_t data_bytes)
{
    std::memcpy(p, "EVTBLOCK", 8);
    uint16_t stream = 1, endian = 1;
    std::memcpy(p + 8, &blockno, 4);
    std::memset(p + 12, 0, 2);
    std::memcpy(p + 14, &stream, 2);
    std::memcpy(p + 16, &endian, 2);
    std::memcpy(p + 18, &endian, 2);
    std::memcpy(p + 20, &data_bytes, 4);
}

} // namespace

std::vector<uint8_t> make_event_block(event_source &src, size_t block_bytes)
{
    std::vector<uint8_t> block(block_bytes, 0);
    put_header(block.data(), ++src.block_count, uint32_t(block_bytes - 24));
    size_t at = 24;
    const uint16_t terminator[2] = {0xFFFF, 0x0000};
    for (;;) {
        std::vector<uint16_t> ev = make_event(src);
        size_t bytes = ev.size() * 2;
        if (at + bytes + sizeof terminator > block_bytes)
            break;
        std::memcpy(block.data() + at, ev.data(), bytes);
        at += bytes;
    }
    if (at + sizeof terminator <= block_bytes)
        std::memcpy(block.data() + at, terminator, sizeof terminator);
    return block;
}

std::vector<uint8_t> make_event_file(size_t total_bytes, size_t block_bytes, uint32_t seed)
{
    event_source src(seed);
    std::vector<uint8_t> file;
    file.reserve(total_bytes + block_bytes);
    while (file.size() < total_bytes) {
        std::vector<uint8_t> b = make_event_block(src, block_bytes);
        file.insert(file.end(), b.begin(), b.end());
    }
    return file;
}

} // namespace tarvik::testdata

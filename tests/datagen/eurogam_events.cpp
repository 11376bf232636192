#include "eurogam_events.h"

namespace datagen {

namespace {

// Unpacks the groups of one event between at and end; false on a malformed group.
bool unpack_groups(const uint16_t *at, const uint16_t *end, eurogam_event &event, std::string &error)
{
    while (at < end) {
        eurogam_group g;
        int head;
        int n;
        if ((*at & 0xC000) == 0x4000) {
            n = (*at >> 8) & 0x3F;
            g.number = *at & 0xFF;
            head = 1;
        } else if (*at & 0x8000) {
            n = *at & 0x7FFF;
            if (at + 1 >= end)
                return error = "extended group without its number", false;
            g.number = at[1];
            head = 2;
        } else {
            return error = "word without a group header", false;
        }
        int used = head + n + ((head + n) & 1);
        if (at + used > end)
            return error = "group runs past its event", false;
        g.words.assign(at + head, at + head + n);
        if ((head + n) & 1 && at[used - 1] != 0)
            return error = "pad word not zero", false;
        event.push_back(g);
        at += used;
    }
    return true;
}

} // namespace

eurogam_output unpack_eurogam(const uint16_t *out, int nbytes)
{
    eurogam_output result;
    const uint16_t *at = out;
    const uint16_t *end = out + nbytes / 2;
    while (at + 1 < end) {
        if (at[0] != 0xFFFF) {
            result.error = "event without its marker";
            return result;
        }
        if (at[1] == 0) {
            result.terminated = at + 2 == end;
            if (!result.terminated)
                result.error = "words after the terminator";
            return result;
        }
        if (at[1] <= 4 || at[1] & 1 || at + at[1] / 2 > end) {
            result.error = "bad event length";
            return result;
        }
        eurogam_event event;
        if (!unpack_groups(at + 2, at + at[1] / 2, event, result.error))
            return result;
        result.events.push_back(event);
        at += at[1] / 2;
    }
    result.error = "no terminator";
    return result;
}

} // namespace datagen

#include "reference_coder.h"

#include <algorithm>
#include <array>

namespace tarvik::testref {

namespace {

struct model {
    int updates_left = 0, carry_left = 0, interval = 0, increment = 0;
    std::array<int, 258> cumfreq{}, counts{};

    void rescale()
    {
        if (carry_left) {
            increment++;
            updates_left = carry_left;
            carry_left = 0;
            return;
        }
        if (interval < 2000)
            interval = std::min(2 * interval, 2000);
        int sum = 4096, missing = 4096;
        for (int i = 256; i >= 1; i--) {
            sum -= counts[i];
            cumfreq[i] = sum;
            counts[i] = (counts[i] >> 1) | 1;
            missing -= counts[i];
        }
        counts[0] = (counts[0] >> 1) | 1;
        missing -= counts[0];
        increment = missing / interval;
        carry_left = missing % interval;
        updates_left = interval - carry_left;
    }

    void reset()
    {
        cumfreq[0] = 0;
        cumfreq[257] = 4096;
        interval = (257 >> 4) | 2;
        carry_left = 0;
        for (int i = 0; i < 257; i++)
            counts[i] = 4096 / 257 + (i < 4096 % 257 ? 1 : 0);
        rescale();
    }

    void update(int sym)
    {
        if (updates_left <= 0)
            rescale();
        updates_left--;
        counts[sym] += increment;
    }
};

struct encoder {
    uint32_t low = 0, range = 0x80000000u, help = 0, bytecount = 0;
    uint8_t buffer = 0;
    std::vector<uint8_t> out;

    void normalize()
    {
        while (range <= 0x00800000u) {
            if (low < 0x7F800000u) {
                out.push_back(buffer);
                for (; help; help--)
                    out.push_back(0xFF);
                buffer = uint8_t(low >> 23);
            } else if (low & 0x80000000u) {
                out.push_back(uint8_t(buffer + 1));
                for (; help; help--)
                    out.push_back(0x00);
                buffer = uint8_t(low >> 23);
            } else {
                help++;
            }
            range <<= 8;
            low = (low << 8) & 0x7FFFFFFFu;
            bytecount++;
        }
    }

    void code(int freq, int below)
    {
        normalize();
        uint32_t r = range >> 12;
        low += r * uint32_t(below);
        if ((below + freq) >> 12)
            range -= r * uint32_t(below);
        else
            range = r * uint32_t(freq);
    }

    void finish()
    {
        normalize();
        bytecount += 5;
        uint32_t t = low >> 23;
        if ((low & 0x007FFFFFu) >= ((bytecount & 0xFFFFFF) >> 1))
            t++;
        out.push_back(t > 0xFF ? uint8_t(buffer + 1) : buffer);
        for (; help; help--)
            out.push_back(t > 0xFF ? 0x00 : 0xFF);
        out.push_back(uint8_t(t));
        out.push_back(uint8_t(bytecount >> 16));
        out.push_back(uint8_t(bytecount >> 8));
        out.push_back(uint8_t(bytecount));
    }
};

} // namespace

std::vector<uint8_t> reference_compress(const uint8_t *in, size_t length)
{
    std::vector<model> models(256);
    for (model &m : models)
        m.reset();
    encoder e;
    int k = 0;
    for (size_t i = 0; i < length; i++) {
        int b = in[i];
        model &m = models[k];
        e.code(m.cumfreq[b + 1] - m.cumfreq[b], m.cumfreq[b]);
        m.update(b);
        k = b;
    }
    e.code(models[k].cumfreq[257] - models[k].cumfreq[256], models[k].cumfreq[256]);
    e.finish();
    return e.out;
}

} // namespace tarvik::testref

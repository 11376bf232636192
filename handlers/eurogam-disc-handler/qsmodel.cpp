#include "qsmodel.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace tarvik::cz {

int initqsmodel(qsmodel *m, int nsym, int log2_total, int max_interval, const int *init, int compress)
{
    *m = qsmodel{};
    m->nsym = nsym;
    m->max_interval = max_interval;
    m->search_shift = log2_total > search_table_bits ? log2_total - search_table_bits : 0;
    // One area per model, the decoder's search table between the two tables it reads per symbol,
    // so that a model's hot data shares cache lines.
    size_t search = compress ? 0 : search_table_size + 1;
    uint16_t *area = new (std::nothrow) uint16_t[2 * size_t(nsym + 1) + search];
    if (!area)
        return 0;
    m->cumfreq = area;
    m->search_index = compress ? nullptr : area + nsym + 1;
    m->counts = area + nsym + 1 + search;
    m->cumfreq[nsym] = uint16_t(1 << log2_total);
    m->cumfreq[0] = 0;
    m->counts[nsym] = 0;
    if (m->search_index)
        m->search_index[(1 << log2_total) >> m->search_shift] = uint16_t(nsym - 1);
    resetqsmodel(m, init);
    return 1;
}

void resetqsmodel(qsmodel *m, const int *init)
{
    int total = m->cumfreq[m->nsym];
    m->interval = (m->nsym >> 4) | 2;
    m->carry_left = 0;
    for (int i = 0; i < m->nsym; i++) {
        if (init)
            m->counts[i] = uint16_t(init[i]);
        else
            m->counts[i] = uint16_t(total / m->nsym + (i < total % m->nsym ? 1 : 0));
    }
    dorescale(m);
}

void deleteqsmodel(qsmodel *m)
{
    delete[] m->cumfreq;
    *m = qsmodel{};
}

void copyqsmodel(qsmodel *dst, const qsmodel *src)
{
    dst->updates_left = src->updates_left;
    dst->carry_left = src->carry_left;
    dst->interval = src->interval;
    dst->increment = src->increment;
    std::memcpy(dst->cumfreq, src->cumfreq, sizeof(uint16_t) * (src->nsym + 1));
    std::memcpy(dst->counts, src->counts, sizeof(uint16_t) * (src->nsym + 1));
    if (dst->search_index && src->search_index)
        std::memcpy(dst->search_index, src->search_index, sizeof(uint16_t) * (search_table_size + 1));
}

[[noreturn]] static void rescale_failed(qsmodel *m, int left)
{
    std::fprintf(stderr, "BUG: rescaling left %d total frequency\n", left);
    deleteqsmodel(m);
    std::exit(1);
}

// cumfreq[i] is the sum of the counts below i. Summed upwards, the sums need no borrow from the
// total; the counts must add up to the total exactly, which is the model's consistency check.
static void rebuild_cumfreq(qsmodel *m)
{
    const int n = m->nsym, total = m->cumfreq[n];
    uint16_t *c = m->counts, *cf = m->cumfreq;
    int sum = 0;
    for (int i = 0; i < n; i++) {
        cf[i] = uint16_t(sum);
        sum += c[i];
    }
    cf[n] = uint16_t(total);
    if (sum != total)
        rescale_failed(m, total - sum + c[0]);
    int halved = 0;
    for (int i = 0; i < n; i++) {
        c[i] = uint16_t((c[i] >> 1) | 1);
        halved += c[i];
    }
    int missing = total - halved;
    m->increment = missing / m->interval;
    m->carry_left = missing % m->interval;
    m->updates_left = m->interval - m->carry_left;
}

// Entry j: the symbol whose interval holds the cumulative frequency j << search_shift.
static void rebuild_search_index(qsmodel *m)
{
    const uint16_t *cf = m->cumfreq;
    int entries = cf[m->nsym] >> m->search_shift, s = 0;
    for (int j = 0; j < entries; j++) {
        int v = j << m->search_shift;
        while (cf[s + 1] <= v)
            s++;
        m->search_index[j] = uint16_t(s);
    }
}

void dorescale(qsmodel *m)
{
    if (m->carry_left) {
        m->increment++;
        m->updates_left = m->carry_left;
        m->carry_left = 0;
        return;
    }
    if (m->interval < m->max_interval) {
        m->interval <<= 1;
        if (m->interval > m->max_interval)
            m->interval = m->max_interval;
    }
    rebuild_cumfreq(m);
    if (m->search_index)
        rebuild_search_index(m);
}

} // namespace tarvik::cz

// The quasistatic frequency model: counts collected between rescales, cumulative frequencies that
// change only at a rescale, so encoder and decoder always code with the same table. A model built
// for decoding also keeps a search table from cumulative frequency to symbol.
#ifndef TARVIK_QSMODEL_H
#define TARVIK_QSMODEL_H

#include <cstdint>

namespace tarvik::cz {

// Entries of the decoder's search table (plus one sentinel): one per 32 of a total of 4096.
constexpr int search_table_bits = 7;
constexpr int search_table_size = 1 << search_table_bits;

struct qsmodel {
    int nsym = 0;
    int updates_left = 0;
    int carry_left = 0;      // updates that get one more than increment
    int interval = 0;
    int max_interval = 0;
    int increment = 0;
    int search_shift = 0;
    uint16_t *cumfreq = nullptr;       // nsym + 1 entries, cumfreq[nsym] = total; owns the area
    uint16_t *counts = nullptr;        // nsym + 1 entries
    uint16_t *search_index = nullptr;  // search_table_size + 1 entries, decoder only
};

// Allocates the tables and resets the model; compress != 0 leaves out the search table.
// Returns 1, or 0 when memory runs out (the model is then empty and may be deleted).
int initqsmodel(qsmodel *m, int nsym, int log2_total, int max_interval, const int *init, int compress);
void resetqsmodel(qsmodel *m, const int *init);
void deleteqsmodel(qsmodel *m);
// Copies the adaptive state of src into dst; both have the same shape.
void copyqsmodel(qsmodel *dst, const qsmodel *src);
void dorescale(qsmodel *m);

inline void qsgetfreq(const qsmodel *m, int sym, int *freq, int *below)
{
    *below = m->cumfreq[sym];
    *freq = m->cumfreq[sym + 1] - *below;
}

// The search table narrows the symbol down to a few candidates; halving their range without
// data-dependent branches keeps the decoder's inner loop free of mispredictions.
inline int qsgetsym(const qsmodel *m, int below)
{
    int j = below >> m->search_shift;
    int lo = m->search_index[j], n = m->search_index[j + 1] + 1 - lo;
    const uint16_t *cf = m->cumfreq;
    while (n > 1) {
        int half = n >> 1;
        lo = below >= cf[lo + half] ? lo + half : lo;
        n -= half;
    }
    return lo;
}

inline void qsupdate(qsmodel *m, int sym)
{
    if (m->updates_left <= 0)
        dorescale(m);
    m->updates_left--;
    m->counts[sym] = uint16_t(m->counts[sym] + m->increment);
}

} // namespace tarvik::cz

#endif

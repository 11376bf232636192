// The spectra table: the histograms of *SPECTRA with their shapes, precisions and space.
#ifndef TARVIK_SEMANTICS_SPECTRA_H
#define TARVIK_SEMANTICS_SPECTRA_H

#include <string>
#include <vector>

constexpr int MAX_SPECTRUM_ENTRIES = 4096;  // declarations
constexpr int MAX_SPECTRA = 4096;           // spectra counting every member of a family
constexpr int MAX_DISC_SPECTRA = 32;
constexpr int MAX_CHANNELS = 65536;         // channels of one axis
constexpr int MAX_FAMILY_NAME = 27;         // room for ".index" in the member names

enum SpectrumType { SPEC_1D = 0, SPEC_2D = 1, SPEC_SYM2D = 2, SPEC_3D = 3, SPEC_SYM3D = 4 };

struct spectable {
    std::string name;
    int dimensions;
    int precision;          // bytes per channel
    int type;
    int bases[3];
    int ranges[3];
    long long space;        // bytes, every member of a family together
    std::vector<int> indexnumbers;
    int nindexed;
    int autogain_flag;
    int disc_based;
};

// Bytes of one member of a spectrum of this type, channel counts and precision.
long long spectrum_member_space(int type, int x, int y, int z, int precision);

bool define_spectrum(const std::string &name, const std::vector<int> &indexnumbers, int spectype,
                     int xhi, int yhi, int zhi, int bitprec, int disc_update);
void check_disc_spectra();
bool check_spec_update(const std::string &name, int dim, int ixflag);
bool check_spec_offset(const std::string &name, int offset_chan);
bool search_spectrum_names(const std::string &name, int *index = nullptr);
const std::vector<spectable> &inquire_spectra();
const spectable *inquire_spectrum(const std::string &name);
void set_autogain_spectrum(const std::string &name);
void prspecinfo();

#endif

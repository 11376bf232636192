// The spectra table: the histograms of *SPECTRA with their shapes, precisions and space.
#include "semantics/spectra.h"

#include <cstdio>

#include "diagnostics.h"
#include "semantics/formats.h"
#include "semantics/table_helpers.h"

namespace {

std::vector<spectable> spectra;
int nspectra = 0;
int ndisc_based = 0;

int dimensions_of(int type)
{
    return type == SPEC_1D ? 1 : type <= SPEC_SYM2D ? 2 : 3;
}

// The channel checks; false after any report.
bool channels_ok(const std::string &name, int xhi, int yhi, int zhi)
{
    bool ok = true;
    if (xhi < 1 || xhi > MAX_CHANNELS) {
        report(Diag::S4, name.c_str(), statement_line());
        ok = false;
    }
    if (yhi == 0) {
        if (zhi != 0) {
            report(Diag::S7, name.c_str(), statement_line());
            ok = false;
        }
    } else {
        if (yhi < 0 || yhi > MAX_CHANNELS) {
            report(Diag::S5, name.c_str(), statement_line());
            ok = false;
        }
        if (zhi < 0 || zhi > MAX_CHANNELS) {
            report(Diag::S6, name.c_str(), statement_line());
            ok = false;
        }
    }
    return ok;
}

} // namespace

// A symmetric 3D spectrum keeps one cell per sorted channel triple x <= y <= z: the update
// code addresses cells up to n(n+1)(n+2)/6 - 1, so that many cells are needed.
long long spectrum_member_space(int type, int x, int y, int z, int precision)
{
    // channel counts outside their range have been reported; they count as none here
    auto channels = [](int n) -> long long { return n < 0 || n > MAX_CHANNELS ? 0 : n; };
    long long lx = channels(x), ly = channels(y), lz = channels(z), p = precision;
    switch (type) {
    case SPEC_1D: return lx * p;
    case SPEC_2D: return lx * ly * p;
    case SPEC_SYM2D: return ((lx + 1) * ly * p) / 2;
    case SPEC_3D: return lx * ly * lz * p;
    case SPEC_SYM3D: return (lx * (lx + 1) * (lx + 2) / 6) * p;
    default: return 0;
    }
}

bool define_spectrum(const std::string &name, const std::vector<int> &indexnumbers, int spectype,
                     int xhi, int yhi, int zhi, int bitprec, int disc_update)
{
    if (search_spectrum_names(name)) {
        report(Diag::S1, name.c_str(), statement_line());
        return false;
    }
    if (search_sort_names(name)) {
        sort_error(diag_text(Diag::P4), name.c_str(), statement_line(), WARNING);
        return false;
    }
    bool ok = true;
    int members = indexnumbers.empty() ? 1 : static_cast<int>(indexnumbers.size());
    if (!indexnumbers.empty() && static_cast<int>(name.size()) > MAX_FAMILY_NAME) {
        report(Diag::S3, name.c_str(), statement_line());
        ok = false;
    }
    ok = channels_ok(name, xhi, yhi, zhi) && ok;
    if (bitprec != 8 && bitprec != 16 && bitprec != 32) {
        report(Diag::S8, name.c_str(), statement_line());
        bitprec = 16;
    }
    int precision = bitprec / 8;
    if (disc_update)
        ndisc_based++;
    if (static_cast<int>(spectra.size()) >= MAX_SPECTRUM_ENTRIES) {
        report(Diag::S9, name.c_str(), statement_line());
        return false;
    }
    spectable entry{name, dimensions_of(spectype), precision, spectype, {0, 0, 0}, {xhi, yhi, zhi},
                    spectrum_member_space(spectype, xhi, yhi, zhi, precision) * members,
                    indexnumbers, indexnumbers.empty() ? 0 : members, 0, disc_update ? 1 : 0};
    spectra.push_back(entry);
    define_sort_name(name);
    nspectra += members;
    if (nspectra >= MAX_SPECTRA) {
        report(Diag::S9, name.c_str(), statement_line());
        ok = false;
    }
    return ok;
}

void check_disc_spectra()
{
    if (ndisc_based > MAX_DISC_SPECTRA)
        report(Diag::S11, "", PREVIOUS_LINE);
}

bool check_spec_update(const std::string &name, int dim, int ixflag)
{
    const spectable *spectrum = inquire_spectrum(name);
    if (spectrum == nullptr) {
        report(Diag::C4, name.c_str(), PREVIOUS_LINE);
        return false;
    }
    bool ok = true;
    if (dim < spectrum->dimensions) {
        report(Diag::C5, name.c_str(), PREVIOUS_LINE);
        ok = false;
    } else if (dim > spectrum->dimensions) {
        report(Diag::C6, name.c_str(), PREVIOUS_LINE);
        ok = false;
    }
    if (spectrum->autogain_flag) {
        report(Diag::C73, name.c_str(), PREVIOUS_LINE);
        ok = false;
    }
    if (ixflag && spectrum->nindexed == 0) {
        report(Diag::C7, name.c_str(), PREVIOUS_LINE);
        ok = false;
    } else if (!ixflag && spectrum->nindexed != 0) {
        report(Diag::C78, name.c_str(), PREVIOUS_LINE);
        ok = false;
    }
    return ok;
}

bool check_spec_offset(const std::string &name, int offset_chan)
{
    const spectable *spectrum = inquire_spectrum(name);
    if (spectrum == nullptr) {
        report(Diag::C4, name.c_str(), CURRENT_LINE);
        return false;
    }
    if (offset_chan > spectrum->ranges[0]) {
        report(Diag::C8, name.c_str(), CURRENT_LINE);
        return false;
    }
    return true;
}

bool search_spectrum_names(const std::string &name, int *index)
{
    return search_by_name(spectra, name, index);
}

const std::vector<spectable> &inquire_spectra() { return spectra; }

const spectable *inquire_spectrum(const std::string &name)
{
    int index;
    return search_spectrum_names(name, &index) ? &spectra[static_cast<std::size_t>(index)] : nullptr;
}

void set_autogain_spectrum(const std::string &name)
{
    int index;
    if (search_spectrum_names(name, &index))
        spectra[static_cast<std::size_t>(index)].autogain_flag = 1;
}

void prspecinfo()
{
    std::fprintf(yyerfp, "specnameptrs:\n");
    for (const auto &spectrum : spectra)
        std::fprintf(yyerfp, "   %s\n", spectrum.name.c_str());
    std::fprintf(yyerfp, "spec table:\n");
    for (const auto &spectrum : spectra)
        std::fprintf(yyerfp, "%s [%d,%d] space %lld [%d]\n", spectrum.name.c_str(), spectrum.type,
                     spectrum.precision, spectrum.space, spectrum.nindexed);
}

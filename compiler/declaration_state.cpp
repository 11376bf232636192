// What the declaration grammar collects while it reads a statement, and the calls it makes
// at each statement's end.
#include "declaration_state.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "actions/frame.h"
#include "actions/gain.h"
#include "actions/lists.h"
#include "diagnostics.h"
#include "scanner.h"
#include "semantics/autogain.h"
#include "semantics/data.h"
#include "semantics/formats.h"
#include "semantics/setup_files.h"
#include "semantics/sortwords.h"
#include "semantics/spectra.h"

namespace {

constexpr long long MAX_ARRAY_VALUES = 16777216;   // 64 MB of values in "mapinfo"

struct Number {
    double value;
    int text;   // the REAL token's text, -1 for an integer
};
std::vector<Number> numbers;

struct RangeState {
    std::vector<int> values;
    int min = 0, max = 0, lastval = -1;
    bool range_error = false, sequence_error = false;
} range;

struct ItemState {
    std::vector<std::string> names;
    std::vector<int> bits;
    bool itemflag = false;
} group_items;

struct SortwordState {
    int vartype = 0, initflag = 0, ival = 0, addr = -1;
} sortword;

// Limits of gate maps and arrays, in the order written; coordinates of the map being read.
std::vector<std::pair<int, int>> limits;
std::vector<int> coords;
std::string map_name;
bool map_accepted = false;
int ellipse_count = 0;

struct ValueArrayState {
    std::string name;
    int save = 0, type = 0;
    long long expected = 0, nthval = 0;
    bool declared = false, too_big = false;
    std::vector<int> ivalues;
    std::vector<float> rvalues;
} valuearray;

std::string gain_name;
int gain_maxgroup = 0;
std::string arraylist_name;
std::vector<std::string> arraylist_members;

struct SpectrumShape {
    int spectype = 0, x = 0, y = 0, z = 0;
} shape;

std::string init_gainarray, init_spectrum;
float init_centroids[4];

struct tapex {
    std::string name;
    int type;
};
std::vector<tapex> tapelist;
std::string runfile_names;
int tape_type = 0;
int iblock = 0, fblock = 0;

std::string name_of(int index)
{
    return name_text(index);
}

float float_of(int number)
{
    return static_cast<float>(number_value(number));
}

std::pair<int, int> limit(std::size_t k)
{
    return k < limits.size() ? limits[k] : std::pair<int, int>{0, 0};
}

void flush_values(bool all)
{
    while (valuearray.ivalues.size() >= VALUE_CHUNK || (all && !valuearray.ivalues.empty())) {
        std::size_t n = std::min<std::size_t>(VALUE_CHUNK, valuearray.ivalues.size());
        write_idata(std::vector<int>(valuearray.ivalues.begin(), valuearray.ivalues.begin() + static_cast<long>(n)));
        valuearray.ivalues.erase(valuearray.ivalues.begin(), valuearray.ivalues.begin() + static_cast<long>(n));
    }
    while (valuearray.rvalues.size() >= VALUE_CHUNK || (all && !valuearray.rvalues.empty())) {
        std::size_t n = std::min<std::size_t>(VALUE_CHUNK, valuearray.rvalues.size());
        write_rdata(std::vector<float>(valuearray.rvalues.begin(), valuearray.rvalues.begin() + static_cast<long>(n)));
        valuearray.rvalues.erase(valuearray.rvalues.begin(), valuearray.rvalues.begin() + static_cast<long>(n));
    }
}

void declare_valuearray(int type)
{
    valuearray.type = type;
    valuearray.declared = true;
    if (valuearray.too_big)
        return;
    auto x = limit(0), y = limit(1), z = limit(2);
    declare_value_array(valuearray.name, type, valuearray.save, x.first, x.second, y.first, y.second,
                        z.first, z.second);
}

// A value in source order; those past the expected count are counted and dropped.
bool take_value()
{
    return valuearray.nthval++ < valuearray.expected && !valuearray.too_big;
}

std::string cut_tape_name(const std::string &name)
{
    if (static_cast<int>(name.size()) <= MAX_TAPE_NAME)
        return name;
    sort_error(diag_text(Diag::R2), name.c_str(), statement_line(), WARNING);
    return name.substr(0, MAX_TAPE_NAME);
}

void record_tape_entry(const std::string &volume, const std::string &files, int type, int first, int last)
{
    for (const auto &entry : tapelist)
        if (entry.name == volume && (entry.type == 1 || type == 1)) {
            report(Diag::R3, volume.c_str(), statement_line());
            break;
        }
    if (static_cast<int>(tapelist.size()) >= MAX_RUNFILES)
        report(Diag::R4, volume.c_str(), statement_line());
    else
        tapelist.push_back({volume, type});
    write_runfile(volume, files, first, last);
}

} // namespace

int number_from_integer(int value)
{
    numbers.push_back({static_cast<double>(value), -1});
    return static_cast<int>(numbers.size()) - 1;
}

int number_from_real(int text_index)
{
    numbers.push_back({std::strtod(kept_text(text_index), nullptr), text_index});
    return static_cast<int>(numbers.size()) - 1;
}

double number_value(int index)
{
    return index >= 0 && index < static_cast<int>(numbers.size()) ? numbers[static_cast<std::size_t>(index)].value : 0.0;
}

void range_start(int min, int max)
{
    range = RangeState();
    range.min = min;
    range.max = max;
    range.lastval = min - 1;
}

void range_add(int value)
{
    if (value < range.min || value > range.max) {
        range.range_error = true;
        return;
    }
    if (value <= range.lastval) {
        range.sequence_error = true;
        return;
    }
    if (static_cast<int>(range.values.size()) < RANGE_SLOTS)
        range.values.push_back(value);
    range.lastval = value;
}

void range_add_span(int first, int last)
{
    if (last < first || first <= range.lastval) {
        range.sequence_error = true;
        return;
    }
    if (first < range.min || last > range.max)
        range.range_error = true;
    int low = first < range.min ? range.min : first;
    int high = last > range.max ? range.max : last;
    for (int value = low; value <= high && static_cast<int>(range.values.size()) < RANGE_SLOTS; value++)
        range_add(value);
}

void range_end()
{
    if (static_cast<int>(range.values.size()) >= RANGE_SLOTS) {
        report(Diag::P6, "", CURRENT_LINE);
        range.values.resize(RANGE_SLOTS - 1);
    }
    if (trace >= 1)
        std::fprintf(yyerfp, "end of grouprange rule: ndata=%d\n", static_cast<int>(range.values.size()));
}

void reset_format_state()
{
    group_items = ItemState();
    range = RangeState();
}

void single_parameter(int name, int address)
{
    define_single_parameter(name_of(name), address);
}

void add_item(int name, int bits)
{
    if (static_cast<int>(group_items.names.size()) >= MAX_ITEMS) {
        group_items.itemflag = true;
        if (trace >= 1)
            std::fprintf(yyerfp, "g_index=%d\n", static_cast<int>(group_items.names.size()));
        return;
    }
    group_items.names.push_back(name_of(name));
    group_items.bits.push_back(bits);
}

void end_group(int name)
{
    std::string group = name_of(name);
    if (range.sequence_error)
        report(Diag::F15, group.c_str(), CURRENT_LINE);
    if (range.range_error)
        report(Diag::F16, group.c_str(), CURRENT_LINE);
    if (group_items.itemflag)
        report(Diag::F17, group.c_str(), CURRENT_LINE);
    define_group(group, range.values, group_items.names, group_items.bits);
    group_items = ItemState();
}

void trigger_start(int number)
{
    if (number < 0 || number > MAX_TRIGGER)
        report(Diag::T1, std::to_string(number).c_str(), CURRENT_LINE);
    if (generating())
        do_trigger(number);
}

void trigger_word(int name)
{
    std::string word = name_of(name);
    if (!search_single_param_names(word))
        report(Diag::T2, word.c_str(), CURRENT_LINE);
    if (generating())
        do_trigger_word(word.c_str());
}

void trigger_end()
{
    if (generating())
        do_trigger_end();
}

void start_sortwords(int type)
{
    sortword = SortwordState();
    sortword.vartype = type;
}

void set_initial(int has_initial, int value)
{
    sortword.initflag = has_initial;
    sortword.ival = value;
}

void set_address(int address)
{
    sortword.addr = address;
}

void data_sortword(int name)
{
    def_sortword(name_of(name), sortword.vartype, sortword.initflag, sortword.ival, sortword.addr);
    sortword.initflag = sortword.ival = 0;
    sortword.addr = -1;
}

void data_float(int name, int has_initial, int number)
{
    float floatval = has_initial ? float_of(number) : 0.0f;
    if (trace >= 1)
        std::fprintf(yyerfp, "floatval=%20.12f\n", floatval);
    if (trace >= 3 && has_initial && numbers[static_cast<std::size_t>(number)].text >= 0)
        std::fprintf(yyerfp, "real text=$%s$, floatval=%20.12f\n",
                     kept_text(numbers[static_cast<std::size_t>(number)].text), floatval);
    def_float(name_of(name), has_initial, floatval);
}

void clear_limits()
{
    limits.clear();
}

void push_limits(int low, int high)
{
    limits.emplace_back(low, high);
}

void gatemap1d_start(int name)
{
    map_name = name_of(name);
    coords.clear();
    map_accepted = declare_1dgatemap_name(map_name, limit(0).first, limit(0).second);
}

void gate1d(int low, int high)
{
    if (low > high)
        report(Diag::D3, "", CURRENT_LINE);
    if (low < limit(0).first || high > limit(0).second)
        report(Diag::D7, "", CURRENT_LINE);
    coords.push_back(low);
    coords.push_back(high);
}

void gatemap1d_end()
{
    if (map_accepted)
        declare_1dgatemaps(coords);
}

void gatemap2d_start(int name)
{
    map_name = name_of(name);
    coords.clear();
    map_accepted = declare_2dgatemap_name(map_name, limit(0).first, limit(0).second, limit(1).first,
                                          limit(1).second);
}

void gate2d_point(int x, int y)
{
    if (x < limit(0).first || x > limit(0).second)
        report(Diag::D15, "", CURRENT_LINE);
    if (y < limit(1).first || y > limit(1).second)
        report(Diag::D16, "", CURRENT_LINE);
    coords.push_back(x);
    coords.push_back(y);
}

void gate2d_end()
{
    if (map_accepted)
        declare_2dgatemap(coords);
    coords.clear();
}

void gatemap2d_end()
{
    if (map_accepted)
        end_2dgatemaps();
}

void maskmap_start(int name)
{
    map_name = name_of(name);
    coords.clear();
    map_accepted = declare_maskgatemap_name(map_name);
}

void mask_word(int value)
{
    coords.push_back(value);
}

void maskmap_end()
{
    if (map_accepted)
        declare_maskgatemap_data(coords);
}

void ellipses_start(int name, int dimensions)
{
    map_name = name_of(name);
    coords.clear();
    ellipse_count = 0;
    map_accepted = declare_ellipse_gate_name(map_name, dimensions);
}

void ellipse_value(int value)
{
    coords.push_back(value);
}

void ellipse_end()
{
    if (map_accepted)
        declare_ellipse_gate(coords);
    coords.clear();
    ellipse_count++;
}

void ellipses_end()
{
    if (map_accepted)
        end_ellipse_gates(ellipse_count);
}

void valuearray_start(int name, int save)
{
    valuearray = ValueArrayState();
    valuearray.name = name_of(name);
    valuearray.save = save;
    long long expected = 1;
    for (std::size_t k = 0; k < 3; k++) {
        long long extent = static_cast<long long>(limit(k).second) - limit(k).first + 1;
        expected *= extent > 0 ? extent : 0;
        if (expected > MAX_ARRAY_VALUES)
            expected = MAX_ARRAY_VALUES + 1;
    }
    valuearray.expected = expected;
    if (expected > MAX_ARRAY_VALUES) {
        report(Diag::D20, valuearray.name.c_str(), statement_line());
        valuearray.too_big = true;
    }
}

void valuearray_integer(int value)
{
    if (!valuearray.declared)
        declare_valuearray(1);
    if (!take_value())
        return;
    if (valuearray.type == 1)
        valuearray.ivalues.push_back(value);
    else
        valuearray.rvalues.push_back(static_cast<float>(value));
    flush_values(false);
}

void valuearray_real(int number)
{
    if (!valuearray.declared)
        declare_valuearray(2);
    if (!take_value())
        return;
    valuearray.rvalues.push_back(float_of(number));
    flush_values(false);
}

void valuearray_end()
{
    if (!valuearray.declared)
        declare_valuearray(1);
    if (!valuearray.too_big) {
        for (long long n = valuearray.nthval; n < valuearray.expected; n++) {
            if (valuearray.type == 1)
                valuearray.ivalues.push_back(0);
            else
                valuearray.rvalues.push_back(0.0f);
            flush_values(false);
        }
        flush_values(true);
    }
    if (valuearray.too_big)
        return;
    if (valuearray.nthval < valuearray.expected)
        sort_error(diag_text(Diag::D10), valuearray.name.c_str(), PREVIOUS_LINE, WARNING);
    else if (valuearray.nthval > valuearray.expected)
        sort_error(diag_text(Diag::D11), valuearray.name.c_str(), PREVIOUS_LINE, WARNING);
}

void gatearray_start(int name)
{
    map_name = name_of(name);
    declare_gatearray(map_name);
}

void gatearray_element(int group, int low, int high)
{
    def_gatearray_element(group, low, high);
}

void gatearray_end()
{
    write_gatearray(map_name);
}

void gainword(int name, int a, int b, int c)
{
    declare_gainword_parms(name_of(name), float_of(a), float_of(b), float_of(c));
}

void gainarray_start(int name)
{
    gain_name = name_of(name);
    gain_maxgroup = 0;
    declare_gain_name(gain_name, 0);
}

void gainarray_element(int group, int a, int b, int c)
{
    def_gain_array_element(group, float_of(a), float_of(b), float_of(c));
    if (group > gain_maxgroup)
        gain_maxgroup = group;
}

void gainarray_end()
{
    set_gain_maxgroup(gain_name, gain_maxgroup);
}

void arraylist_start(int name)
{
    arraylist_name = name_of(name);
    arraylist_members.clear();
}

void arraylist_member(int name)
{
    if (static_cast<int>(arraylist_members.size()) < MAX_ARRAYLIST)
        arraylist_members.push_back(name_of(name));
}

void arraylist_end()
{
    if (static_cast<int>(arraylist_members.size()) >= MAX_ARRAYLIST)
        report(Diag::D19, arraylist_name.c_str(), PREVIOUS_LINE);
    declare_arraylist_name(arraylist_name, arraylist_members);
}

void spectrum_shape(int spectype, int x, int y, int z)
{
    shape = {spectype, x, y, z};
    if (trace >= 3) {
        std::fprintf(yyerfp, "xchans=%d\n", x);
        if (spectype == SPEC_SYM3D)
            std::fprintf(yyerfp, "$0=%d\n", x);
    }
}

void spectrum_define(int name, int has_range, int precision, int disc)
{
    std::string spectrum = name_of(name);
    if (has_range && range.sequence_error)
        report(Diag::S2, spectrum.c_str(), statement_line());
    if (has_range && range.range_error)
        report(Diag::S10, spectrum.c_str(), statement_line());
    if (precision < 0)
        precision = shape.spectype == SPEC_1D ? 32 : 16;
    define_spectrum(spectrum, has_range ? range.values : std::vector<int>(), shape.spectype, shape.x, shape.y,
                    shape.z, precision, disc);
}

void autogain_sample(int size)
{
    AutogainParams &params = autogain_params();
    if (size < 1 || size > 100000)
        report(Diag::A2, std::to_string(size).c_str(), PREVIOUS_LINE);
    else if (params.sample_size != 0)
        report(Diag::A14, std::to_string(size).c_str(), PREVIOUS_LINE);
    else
        params.sample_size = size;
}

void autogain_peakarea(int number)
{
    float value = float_of(number);
    if (value < 1.0f) {
        char text[64];
        std::snprintf(text, sizeof text, "%f", value);
        report(Diag::A10, text, PREVIOUS_LINE);
        return;
    }
    autogain_params().peakarea = value;
}

void autogain_deviation(int number)
{
    autogain_params().deviation = float_of(number);
}

void autogain_voverc(int number)
{
    float value = float_of(number);
    if (std::fabs(value) < 0.000001f) {
        autogain_params().voverc = 0.0f;
    } else if (value >= 0.000001f && value < 1.0f) {
        autogain_params().voverc = value;
    } else {
        char text[64];
        std::snprintf(text, sizeof text, "%f", value);
        report(Diag::A4, text, PREVIOUS_LINE);
    }
}

void autogain_init_start(int gainarray, int spectrum, int c1, int c2, int c3, int c4)
{
    init_gainarray = name_of(gainarray);
    init_spectrum = name_of(spectrum);
    const int c[4] = {c1, c2, c3, c4};
    for (int k = 0; k < 4; k++)
        init_centroids[k] = float_of(c[k]);
    check_autogain(init_gainarray, init_spectrum, init_centroids);
    if (generating())
        do_autogain_init(init_spectrum.c_str(), init_gainarray.c_str(), init_centroids,
                         autogain_params().peakarea, autogain_params().deviation);
}

void autogain_peak(int group, int p1, int p2, int p3, int p4)
{
    const float peaks[4] = {float_of(p1), float_of(p2), float_of(p3), float_of(p4)};
    define_peak_element(init_gainarray, group, peaks, init_centroids);
}

void autogain_init_end()
{
    define_missing_peak_elements(init_gainarray, init_spectrum, init_centroids);
    write_peakarray(init_gainarray);
}

void autogain_copygain(int src, int s1, int s2, int dst, int d1, int d2, int angles, int deltas)
{
    check_copygain(name_of(src), s1, s2, name_of(dst), d1, d2, name_of(angles), name_of(deltas));
    if (generating())
        do_copygain(name_of(src).c_str(), s1, s2, name_of(dst).c_str(), d1, name_of(angles).c_str(),
                    name_of(deltas).c_str(), autogain_params().voverc);
}

void autogain_createlist(int list, int group)
{
    std::vector<int> groupnumbers;
    if (check_createlist(name_of(list), {name_of(group)}, &groupnumbers) != -1)
        inquire_groupnumbers(name_of(group), &groupnumbers);
    if (generating())
        do_createlist_group(name_of(list).c_str(), name_of(group).c_str(), groupnumbers);
}

void runfile_list_start(int name, int is_pattern)
{
    runfile_names = cut_tape_name(name_of(name));
    tape_type = is_pattern ? 1 : 0;
}

void runfile_list_add(char separator, int name, int is_pattern)
{
    (void)is_pattern;
    tape_type = 1;
    std::string item = cut_tape_name(name_of(name));
    if (runfile_names.size() + 1 + item.size() > static_cast<std::size_t>(MAX_RUNFILE_TEXT)) {
        report(Diag::R1, item.c_str(), statement_line());
        return;
    }
    runfile_names += separator;
    runfile_names += item;
}

void runfile_tape(int volume, int file, int first, int last)
{
    record_tape_entry(name_of(volume), cut_tape_name(name_of(file)), 0, first, last);
}

void runfile_entry(int volume, int file)
{
    if (file >= 0)
        runfile_tape(volume, file, iblock, fblock);
    else
        runfile_tape_list(volume);
}

void runfile_tape_list(int volume)
{
    record_tape_entry(name_of(volume), runfile_names, tape_type, 0, 0);
}

void runfile_disc(int text, int first, int last)
{
    write_runfile("DISC", kept_text(text), first, last);
}

void set_block_numbers(int first, int last)
{
    iblock = first;
    fblock = last;
}

int first_block() { return iblock; }
int last_block() { return fblock; }

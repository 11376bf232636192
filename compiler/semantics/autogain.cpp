// Autogain declarations.
#include "semantics/autogain.h"

namespace {

constexpr int DEFAULT_SAMPLE_SIZE = 50000;

AutogainParams params = {0, 50.0f, 0.8f, 0.0f};
bool autogain_section = false;

} // namespace

AutogainParams &autogain_params()
{
    return params;
}

void reset_autogain_params()
{
    params = {0, 50.0f, 0.8f, 0.0f};
}

int end_autogain_declarations()
{
    autogain_section = true;
    if (params.sample_size == 0)
        params.sample_size = DEFAULT_SAMPLE_SIZE;
    return params.sample_size;
}

void leave_autogain_section()
{
    autogain_section = false;
}

// Placeholders: autogain requests, peaks and COPYGAIN checks come with the autogain tables.
bool autogain_requested() { return false; }
bool autogain_initialised() { return false; }
bool check_autogain(const std::string &, const std::string &, const float[4]) { return false; }
bool define_peak_element(const std::string &, int, const float[4], const float[4]) { return false; }
int define_missing_peak_elements(const std::string &, const std::string &, const float[4]) { return -1; }
bool write_peakarray(const std::string &) { return false; }
void check_copygain(const std::string &, int, int, const std::string &, int, int, const std::string &,
                    const std::string &) {}

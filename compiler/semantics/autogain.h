// Autogain declarations.
#ifndef TARVIK_SEMANTICS_AUTOGAIN_H
#define TARVIK_SEMANTICS_AUTOGAIN_H

#include <string>
#include <vector>

struct AutogainParams {
    int sample_size;
    float peakarea;
    float deviation;
    float voverc;
};

// The parameters of the *AUTOGAIN declarations, set by the grammar.
AutogainParams &autogain_params();

// At the *AUTOGAIN header: sample size 0, peak area 50.0, deviation 0.8, v/c 0.
void reset_autogain_params();
// After the declarations: the autogain section begins; returns the sample size, 50000 when
// none was given.
int end_autogain_declarations();
// At *COMMANDS: the autogain section is over.
void leave_autogain_section();
// The flags of the AUTOGAIN line of "runinfo".
bool autogain_requested();
bool autogain_initialised();

bool check_autogain(const std::string &gainarray, const std::string &spectrum, const float centroids[4]);
bool define_peak_element(const std::string &gainarray, int group, const float peaks[4], const float centroids[4]);
int define_missing_peak_elements(const std::string &gainarray, const std::string &spectrum, const float centroids[4]);
bool write_peakarray(const std::string &gainarray);
void check_copygain(const std::string &src, int s1, int s2, const std::string &dst, int d1, int d2,
                    const std::string &angles, const std::string &deltas);

#endif

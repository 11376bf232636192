// Autogain declarations.
#include "semantics/autogain.h"

namespace {

constexpr int DEFAULT_SAMPLE_SIZE = 50000;

struct agtable {
    int sample_size;
    float peakarea;
    float deviation;
};

agtable autogain_params = {0, 50.0f, 0.8f};
float voverc = 0.0f;
bool autogain_section = false;

} // namespace

void reset_autogain_params()
{
    autogain_params = {0, 50.0f, 0.8f};
    voverc = 0.0f;
}

int end_autogain_declarations()
{
    autogain_section = true;
    if (autogain_params.sample_size == 0)
        autogain_params.sample_size = DEFAULT_SAMPLE_SIZE;
    return autogain_params.sample_size;
}

void leave_autogain_section()
{
    autogain_section = false;
}

// Gain and autogain code.
#include "actions/gain.h"

// Placeholders: the autogain code comes with the gain statements.
void do_autogain_start() {}
void do_autogain_period(int) {}
void do_autogain_end() {}
void do_autogain_event_start() {}
void do_autogain_event_end() {}
void do_autogain_init(const char *, const char *, const float[4], float, float) {}
void do_copygain(const char *, int, int, const char *, int, const char *, const char *, float) {}

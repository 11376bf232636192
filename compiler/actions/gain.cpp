// Gain and autogain code.
#include "actions/gain.h"

// Placeholders: the autogain code comes with the gain statements.
void do_autogain_start() {}
void do_autogain_period(int) {}
void do_autogain_end() {}
void do_autogain_event_start() {}
void do_autogain_event_end() {}

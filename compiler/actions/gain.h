// Gain and autogain code.
#ifndef TARVIK_ACTIONS_GAIN_H
#define TARVIK_ACTIONS_GAIN_H

void do_autogain_start();
void do_autogain_period(int sample_size);
void do_autogain_end();
void do_autogain_event_start();
void do_autogain_event_end();

#endif

// Gain and autogain code.
#ifndef TARVIK_ACTIONS_GAIN_H
#define TARVIK_ACTIONS_GAIN_H

void do_autogain_start();
void do_autogain_period(int sample_size);
void do_autogain_end();
void do_autogain_event_start();
void do_autogain_event_end();
void do_autogain_init(const char *spectrum, const char *gainarray, const float centroids[4], float peakarea,
                      float deviation);
void do_copygain(const char *src, int s1, int s2, const char *dst, int d1, const char *angles,
                 const char *deltas, float voverc);

#endif

/* Sort statistics shared between the runtime, the generated code and the plug-ins. */
#ifndef TARVIK_STATS_H
#define TARVIK_STATS_H

#ifdef __cplusplus
extern "C" {
#endif

#define TARVIK_MAX_STREAMS 4

/* Each field is the first element of a per-stream array (stream n is element n-1). */
typedef struct sort_stats_struct {
    int blocks_read1[TARVIK_MAX_STREAMS];
    int events_read1[TARVIK_MAX_STREAMS];
    int blocks_output1[TARVIK_MAX_STREAMS];
    int events_output1[TARVIK_MAX_STREAMS];
} sort_stats_struct;

extern sort_stats_struct stats;

/* Counters that translators increment and never reset. */
extern int goodevents;
extern int badevents;
extern int badblocks;

#ifdef __cplusplus
}
#endif
#endif

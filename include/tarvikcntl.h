/* The host control block and the data and routines that every plug-in binds to by name when the
 * sort runtime loads it. Plain C: the plug-ins and the host share nothing else. */
#ifndef TARVIK_CNTL_H
#define TARVIK_CNTL_H

#include <stdint.h>
#include "runfile.h"
#include "tarvikstats.h"

#ifdef __cplusplus
extern "C" {
#endif

enum handler_type { NULL_HANDLER = 0, TAPE_HANDLER = 1, DISC_HANDLER = 2, NET_HANDLER = 3 };

/* States of a host buffer; plug-ins read them but never change them. */
enum buffer_state { FREE = 0, FILLING = 1, FULL = 2, CLEARING = 3, OLD = 4, INVALID = 5, N_STATES = 6 };
extern const char *const buffer_state_names[N_STATES];

typedef struct stream_cntl {
    datarec data_record;
    char device[32];            /* tape drive of the stream */
} stream_cntl;

typedef struct sort_cntl_struct {
    int input_trace;            /* trace level of the input plug-ins */
    int output_trace;           /* trace level of the output plug-in */
    stream_cntl input[TARVIK_MAX_STREAMS];
    stream_cntl output[TARVIK_MAX_STREAMS];
    int64_t output_maxfileoffset; /* largest size an output file may reach, in bytes */
} sort_cntl_struct;

extern volatile sort_cntl_struct *sort_cntl;

/* The current input block: next unread word and end; translators advance inptr. */
extern uint16_t *inptr;
extern uint16_t *inend;

extern char basedir[];          /* directory that holds "/.tarvik.cf" */
extern int discfd[];            /* open disc file per stream, 0 when none */
extern char spysource[];
extern int spyport;
extern int input_handler_type;
extern int output_handler_type;
extern int input_deferred_close;
extern int input_run_state;
extern int input_blocks_read;
extern int input_eof_reached;
extern int input_eof_code;
extern int input_streams_supported_by_handler;

int input_get_next_block(int stream);
void sort_message(const char *text, int flag);
void byteswap(void *buffer, int count, int size);
int discfileopen(int stream);
int discfileread(int fd, void *buffer, int length);
int discfileclose(int fd);
void print_lines(const void *buffer, int nbytes);
void wait_abit(int unused, int seconds);
int atl_get_bailout_status(void);

#ifdef __cplusplus
}
#endif
#endif

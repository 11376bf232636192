/* The block headers that the input readers interpret and the Eurogam event format that every
 * translator writes. Plain C, shared by the plug-ins and the host. */
#ifndef TARVIK_BLOCKS_H
#define TARVIK_BLOCKS_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#define TARVIK_STATIC_ASSERT(cond, text) static_assert(cond, text)
#else
#define TARVIK_STATIC_ASSERT(cond, text) _Static_assert(cond, text)
#endif

/* Eurogam block header, 24 bytes, as written ahead of each data block. */
typedef struct block_header {
    char name[8];
    int32_t blockno;
    int16_t EGdatastreamno;
    int16_t streamno;
    int32_t dummy;
    int32_t nbytes;             /* bytes of data after the header */
} block_header;

/* The same header with the byte-order fields in place of dummy. */
typedef struct ts_block_header {
    char name[8];
    int32_t blockno;
    int16_t EGdatastreamno;
    int16_t streamno;
    int16_t TSEndian;           /* order of this header: 0 not stated, 1 ours, 256 opposite */
    int16_t DataEndian;         /* order of the data words, same values */
    int32_t nbytes;
} ts_block_header, TSHeader;

#define TS_ENDIAN_UNSTATED 0
#define TS_ENDIAN_SAME 1
#define TS_ENDIAN_OPPOSITE 256
#define TS_FILLER_BYTE 0x5E     /* a block beginning "^^^^" is filler */

/* Head of an Xsys record block. The bit fields follow the little-endian layout of the words
 * after they have been brought into host order. */
typedef struct block_data_record {
    uint16_t blength;           /* block length in bytes */
    uint16_t offset : 10;       /* byte offset of the first event */
    uint16_t flag : 6;
    uint16_t eventsize;
    uint16_t evflag : 8;
    uint16_t evid : 8;
} block_data_record;

#define XSYS_OFFSET_MASK 0x03FFu
#define XSYS_COMMENT_MIN_BLENGTH 384  /* shorter blocks are comment blocks */
#define XSYS_COMMENT_MARK_A 0x80FEu   /* first event word of a comment block that carries text */
#define XSYS_COMMENT_MARK_B 0x80FFu
#define XSYS_COMMENT_TEXT_OFFSET 32   /* text starts this many bytes after the first event */

typedef struct event_header {
    uint16_t eventsize;
    uint16_t evid : 8;
    uint16_t flag : 8;
} event_header;

/* A one-word standard group: its header and its data word. */
typedef struct data_group {
    uint16_t header;
    uint16_t energy;
} data_group;

TARVIK_STATIC_ASSERT(sizeof(block_header) == 24, "block_header is 24 bytes");
TARVIK_STATIC_ASSERT(sizeof(ts_block_header) == 24, "ts_block_header is 24 bytes");
TARVIK_STATIC_ASSERT(sizeof(block_data_record) == 8, "block_data_record is 8 bytes");
TARVIK_STATIC_ASSERT(sizeof(event_header) == 4, "event_header is 4 bytes");
TARVIK_STATIC_ASSERT(sizeof(data_group) == 4, "data_group is 4 bytes");

/* The Eurogam event format: 0xFFFF, the event's byte length (these two words included), then
 * groups, each padded to an even number of words; the output ends with 0xFFFF, 0x0000. */
#define EUROGAM_EVENT_MARKER 0xFFFFu
#define EUROGAM_END_WORD 0x0000u
#define EUROGAM_PAD_WORD 0x0000u
#define EUROGAM_STANDARD_GROUP 0x4000u  /* | n << 8 | group, groups 0-255 */
#define EUROGAM_EXTENDED_GROUP 0x8000u  /* | n, then the group number word, groups 256 and up */
#define EUROGAM_MAX_STANDARD_GROUP 255
#define EUROGAM_MAX_GROUP 1023          /* highest group number the event format knows */
#define EUROGAM_MAX_GROUP_WORDS 63      /* the standard header's word count has six bits */
#define EUROGAM_EVENT_HEAD_WORDS 2      /* marker and byte length */

/* Writes one group at out (header, words, pad) and returns the position after it. */
static inline uint16_t *eurogam_put_group(uint16_t *out, int group, const uint16_t *words, int n)
{
    int i;
    int used;
    if (group <= EUROGAM_MAX_STANDARD_GROUP) {
        *out++ = (uint16_t)(EUROGAM_STANDARD_GROUP | (unsigned)n << 8 | (unsigned)group);
        used = 1 + n;
    } else {
        *out++ = (uint16_t)(EUROGAM_EXTENDED_GROUP | (unsigned)n);
        *out++ = (uint16_t)group;
        used = 2 + n;
    }
    for (i = 0; i < n; i++)
        *out++ = words[i];
    if (used & 1)
        *out++ = EUROGAM_PAD_WORD;
    return out;
}

/* Writes the terminator pair and returns the position after it. */
static inline uint16_t *eurogam_put_terminator(uint16_t *out)
{
    *out++ = EUROGAM_EVENT_MARKER;
    *out++ = EUROGAM_END_WORD;
    return out;
}

#ifdef __cplusplus
}
#endif
#endif

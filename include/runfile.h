/* The run-file record: one entry of the runtime's list of data files to sort, as the compiler
 * writes them to "runinfo" and as the input plug-ins receive them. */
#ifndef TARVIK_RUNFILE_H
#define TARVIK_RUNFILE_H

#ifdef __cplusplus
extern "C" {
#endif

typedef struct datarec {
    char vol_name[12];          /* tape volume name, or "DISC" */
    char file_name[200];        /* file name, pattern or list of files */
    char actual_file_name[200];
    int start_block;            /* first block to read, 0 = from the start */
    int end_block;              /* last block to read, 0 = to the end */
    char last_file_name[20];    /* name of the tape file last opened */
    int current_block;
    char assigned;
    char current;
    short filename_pointer;     /* offset in file_name of the list element being worked on */
    char reserved[8];
} datarec;

#ifdef __cplusplus
}
#endif
#endif

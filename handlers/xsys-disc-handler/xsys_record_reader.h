// The device read of the Xsys disc deliverables: blocks of Xsys event records in big-endian
// 16-bit words, each headed by a block_data_record; short blocks are comment blocks.
#pragma once

#include "tarvikblocks.h"

// The last block read.
extern const block_data_record *instart;

// dev_read: reads until a data block is accepted. Returns the bytes from the first event (stored
// in *offset) to the end of the block, 0 at end of file, -1 on a read error.
int xsys_records_read(int stream, char *buffer, int *offset);

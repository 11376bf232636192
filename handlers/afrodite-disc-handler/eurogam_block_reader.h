// The device read of afrodite_disc: blocks headed by a 24-byte ts_block_header whose two
// byte-order fields say how the header length and the data words are to be taken.
#pragma once

// dev_read: skips filler blocks; returns the data bytes after the header (*offset is 24), 0 at end
// of file or for a final block shorter than a header, -1 on a read error or a bad header format.
int eurogam_blocks_read(int stream, char *buffer, int *offset);

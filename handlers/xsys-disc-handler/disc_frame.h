// The handler frame that the disc input deliverables share: init, open, close, positioning, the
// block-length command and the start of every device read. The descriptor lives in the host's
// discfd[0]; 0 means closed.
#pragma once

// Bytes asked of each read and the block size used for positioning. Each deliverable defines it
// with its default; the block-length command changes it.
extern int event_block_length;

using disc_reader = int (*)(int stream, char *buffer, int *offset);

int disc_handler_init();
int disc_handler_open(int stream);
int disc_handler_read(int stream, char *buffer, int *offset, disc_reader dev);
int disc_handler_close(int stream, bool log_close);
int disc_handler_flush(int stream);
int disc_handler_setpos(int stream, int blockno);
int disc_handler_command(int number, const char *message);

// Reads one block of event_block_length bytes into buffer: the bytes read, 0 at end of file or
// when no file is open, -1 on a read error.
int read_disc_block(char *buffer);

// The traces of an accepted block: a dump of its first bytes and the exit line.
void trace_accepted_block(int stream, const char *buffer, int nread, int ret);

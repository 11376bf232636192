/* Entry points of the compressed disc output plug-in, as the host finds them by name. Every entry
 * point takes the output stream number (1-4) first and returns int. */
#ifndef TARVIK_OUTPUT_HANDLER_H
#define TARVIK_OUTPUT_HANDLER_H

#ifdef __cplusplus
extern "C" {
#endif

int output_handler_init(int stream);
int output_handler_open(int stream);
/* buffer: a whole event block, its 24-byte header first; length: data bytes after the header. */
int output_handler_write(int stream, void *buffer, int length);
int output_handler_close(int stream);
int output_handler_flush(int stream);
int output_handler_setpos(int stream, int blockno);
int output_handler_command(int number, char *message);

#ifdef __cplusplus
}
#endif
#endif

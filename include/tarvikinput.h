/* The entry points that every input plug-in exports and the host looks up by name after loading
 * it, with the sizes the host needs for its buffers. Plain C. */
#ifndef TARVIK_INPUT_H
#define TARVIK_INPUT_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Largest block a reader asks of its device (the block-length command accepts 1 to this). A host
 * buffer handed to input_handler_read must hold this many bytes. */
#define TARVIK_MAX_BLOCK_LENGTH 32768

/* Largest event any translator writes, in 16-bit words, marker and length included: 256 groups
 * of a header, 63 data words and a pad word. The host leaves this much room after outend, plus
 * TARVIK_TERMINATOR_WORDS, since translators check outend only between events. */
#define TARVIK_MAX_TRANSLATED_EVENT_WORDS (2 + 256 * 65)
#define TARVIK_TERMINATOR_WORDS 2

/* Buffer protocol: input_handler_read returns the number of data bytes (> 0) and stores in
 * *offset where the first data word lies in the buffer. The host makes such a block current
 * with inptr = buffer + offset and inend = inptr + result / 2 (both as 16-bit word pointers). */

int input_handler_init(void);
int input_handler_open(int stream);
int input_handler_read(int stream, char *buffer, int *offset);
int input_handler_close(int stream, int mode);
int input_handler_flush(int stream, int mode);
int input_handler_setpos(int stream, int blockno);
int input_handler_command(int number, char *message);
int dev_read(int stream, char *buffer, int *offset);
int eurogam_translator_init(void);
int eurogam_translator(int stream, uint16_t *out, uint16_t *outend);

/* The same entry points as the host holds them after dlsym. */
typedef int (*input_handler_init_fn)(void);
typedef int (*input_handler_open_fn)(int stream);
typedef int (*input_handler_read_fn)(int stream, char *buffer, int *offset);
typedef int (*input_handler_close_fn)(int stream, int mode);
typedef int (*input_handler_flush_fn)(int stream, int mode);
typedef int (*input_handler_setpos_fn)(int stream, int blockno);
typedef int (*input_handler_command_fn)(int number, char *message);
typedef int (*eurogam_translator_init_fn)(void);
typedef int (*eurogam_translator_fn)(int stream, uint16_t *out, uint16_t *outend);

/* Commands of input_handler_command. */
#define INPUT_COMMAND_BLOCK_LENGTH 1
#define INPUT_COMMAND_SPY_SOURCE 2

#ifdef __cplusplus
}
#endif
#endif

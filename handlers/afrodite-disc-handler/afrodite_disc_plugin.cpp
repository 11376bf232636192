// The afrodite_disc plug-in: the disc handler frame with the Eurogam block reader and the Fera
// translator in its Afrodite framing.
#include "disc_frame.h"
#include "eurogam_block_reader.h"
#include "fera_translator.h"
#include "plugin_trace.h"
#include "tarvikinput.h"

const char variant[] = "Afrodite";
int event_block_length = 16384;

extern "C" {

int input_handler_init(void) { return disc_handler_init(); }
int input_handler_open(int stream) { return disc_handler_open(stream); }
int dev_read(int stream, char *buffer, int *offset) { return eurogam_blocks_read(stream, buffer, offset); }
int input_handler_read(int stream, char *buffer, int *offset)
{
    return disc_handler_read(stream, buffer, offset, eurogam_blocks_read);
}
int input_handler_close(int stream, int) { return disc_handler_close(stream, false); }
int input_handler_flush(int stream, int) { return disc_handler_flush(stream); }
int input_handler_setpos(int stream, int blockno) { return disc_handler_setpos(stream, blockno); }
int input_handler_command(int number, char *message) { return disc_handler_command(number, message); }
int eurogam_translator_init(void) { return fera_translator_init(); }
int eurogam_translator(int stream, uint16_t *out, uint16_t *outend)
{
    return afrodite_translate(stream, out, outend);
}

} // extern "C"

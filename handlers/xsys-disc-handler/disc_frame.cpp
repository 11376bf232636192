#include "disc_frame.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "cf_path.h"
#include "plugin_trace.h"
#include "tarvikcntl.h"
#include "tarvikinput.h"

namespace {

constexpr int dump_bytes = 1024;

bool valid_stream(int stream)
{
    return sort_cntl != nullptr && stream >= 1 && stream <= TARVIK_MAX_STREAMS;
}

const char *file_name_of(int stream)
{
    return const_cast<const char *>(sort_cntl->input[stream - 1].data_record.file_name);
}

void close_disc_file()
{
    if (discfd[0] != 0)
        discfileclose(discfd[0]);
    discfd[0] = 0;
}

} // namespace

int disc_handler_init()
{
    discfd[0] = 0;
    if (trace_above(1))
        std::printf("Entering input_handler_init()...\n");
    char text[256];
    if (!build_cf_file(basedir)) {
        std::snprintf(text, sizeof text,
                      "%s Disc input handler: configuration path too long (at most %d characters)\n",
                      variant, cf_file_size - 1);
        sort_message(text, 1);
    }
    input_handler_type = DISC_HANDLER;
    std::snprintf(text, sizeof text, "Starting %s Disc input handler ...\n", variant);
    sort_message(text, 0);
    return 1;
}

int disc_handler_open(int stream)
{
    if (!valid_stream(stream))
        return -1;
    close_disc_file();
    if (trace_above(1))
        std::printf("Input: Opening file %.200s ...\n", file_name_of(stream));
    int fd = discfileopen(stream);
    if (fd == -1) {
        if (trace_above(1)) {
            std::perror("InputHandler Open");
            std::printf("Input: Opening file %.200s\n", file_name_of(stream));
        }
        discfd[0] = 0;
        return -1;
    }
    discfd[0] = fd;
    if (trace_above(1))
        std::printf("Input: Opened file %.200s\n", file_name_of(stream));
    return 0;
}

int disc_handler_read(int stream, char *buffer, int *offset, disc_reader dev)
{
    if (trace_above(3))
        std::printf("Entering input_handler_read() stream %d \n", stream);
    int ret = dev(stream, buffer, offset);
    if (ret > 0 && trace_above(3))
        std::printf("InputHandlerRead: stream %d buffer %x ret %d\n", stream, trace_address(buffer), ret);
    return ret;
}

int disc_handler_close(int stream, bool log_close)
{
    close_disc_file();
    if (log_close) {
        char text[64];
        std::snprintf(text, sizeof text, "%s stream %d: Closed\n", variant, stream);
        sort_message(text, 0);
    }
    return 0;
}

int disc_handler_flush(int)
{
    close_disc_file();
    return 0;
}

int disc_handler_setpos(int, int blockno)
{
    if (discfd[0] == 0)
        return -1;
    off_t position = static_cast<off_t>(static_cast<int64_t>(blockno - 1) * event_block_length);
    return lseek(discfd[0], position, SEEK_SET) < 0 ? -1 : 0;
}

int disc_handler_command(int number, const char *message)
{
    if (number != INPUT_COMMAND_BLOCK_LENGTH)
        return 1;
    char *end = nullptr;
    long length = message ? std::strtol(message, &end, 10) : 0;
    if (message && end != message && length >= 1 && length <= TARVIK_MAX_BLOCK_LENGTH)
        event_block_length = static_cast<int>(length);
    else
        std::printf("Input handler command: Invalid block length\n");
    return 1;
}

int read_disc_block(char *buffer)
{
    if (discfd[0] == 0)
        return 0;
    int n = discfileread(discfd[0], buffer, event_block_length);
    if (n < 0)
        return -1;
    return n > event_block_length ? event_block_length : n;
}

void trace_accepted_block(int stream, const char *buffer, int nread, int ret)
{
    if (trace_above(4))
        print_lines(buffer, nread < dump_bytes ? nread : dump_bytes);
    if (trace_above(3))
        std::printf("Exiting %s dev_read() stream %d buffer %x ret %d\n", variant, stream,
                    trace_address(buffer), ret);
}

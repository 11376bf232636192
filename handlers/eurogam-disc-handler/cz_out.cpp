// The compressed disc output plug-in: every event block the host hands over is range-coded and
// appended to the stream's file as one "EBYECOMP" block.
#include "output_handler.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <new>

#include "ebyecomp.h"
#include "tarvikcntl.h"

using namespace tarvik::cz;

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr int max_streams = TARVIK_MAX_STREAMS;
constexpr int nominal_max_length = 65536;   // largest nominal block; also the largest block taken
constexpr size_t file_name_size = sizeof(datarec::file_name);
// A compressed block is built here: its header, then a payload of at most the coder's worst case.
constexpr size_t outbuf_size = header_bytes + max_payload_bytes;

struct cz_stream {
    uint8_t *outbuf = nullptr;
    compressor *coder = nullptr;
    int output_blocks_read = 0;   // blocks written to the current file
    int max_blocks = 0;           // blocks the current file may hold
};

cz_stream streams[max_streams];

void log_message(int flag, const char *format, ...) __attribute__((format(printf, 2, 3)));
void log_message(int flag, const char *format, ...)
{
    char text[512];
    va_list ap;
    va_start(ap, format);
    std::vsnprintf(text, sizeof text, format, ap);
    va_end(ap);
    sort_message(text, flag);
}

bool stream_ok(int stream, const char *entry)
{
    if (stream >= 1 && stream <= max_streams)
        return true;
    log_message(1, "Output: %s: stream %d is not one of 1 to %d\n", entry, stream, max_streams);
    return false;
}

int output_trace() { return sort_cntl ? sort_cntl->output_trace : 0; }

// The host's record is volatile and need not hold a terminator: copy it out, bounded.
bool output_file_name(int stream, char (&name)[file_name_size])
{
    const volatile char *src = sort_cntl->output[stream - 1].data_record.file_name;
    for (size_t i = 0; i < file_name_size; i++) {
        name[i] = src[i];
        if (!name[i])
            return i > 0;
    }
    name[file_name_size - 1] = 0;
    return false;
}

// Descriptor 0 means "no file" to the host, so a file must never be held on it.
int off_zero(int fd)
{
    if (fd != 0)
        return fd;
    int moved = fcntl(fd, F_DUPFD_CLOEXEC, 1);
    close(fd);
    return moved;
}

void close_stream_file(int stream)
{
    if (discfd[stream - 1] != 0) {
        close(discfd[stream - 1]);
        discfd[stream - 1] = 0;
    }
}

bool write_all(int fd, const uint8_t *p, size_t n)
{
    while (n > 0) {
        ssize_t done = write(fd, p, n);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        p += done;
        n -= size_t(done);
    }
    return true;
}

int nominal_length(int length) { return length <= 16384 ? 16384 : length <= 32768 ? 32768 : 65536; }

int blocks_allowed(int nominal)
{
    int64_t n = sort_cntl->output_maxfileoffset / nominal;
    return n > INT_MAX ? INT_MAX : int(n);
}

void set_endian_fields(uint8_t *block)
{
    block[16] = 1;
    block[17] = 0;
    block[18] = 1;
    block[19] = 0;
}

} // namespace

EXPORT int output_handler_init(int stream)
{
    if (!stream_ok(stream, "init"))
        return -1;
    output_handler_type = DISC_HANDLER;
    close_stream_file(stream);
    log_message(0, "Output Stream %d: Starting Eurogam CZ Disc handler ...\n", stream);
    cz_stream &s = streams[stream - 1];
    if (!s.outbuf)
        s.outbuf = new (std::nothrow) uint8_t[outbuf_size];
    if (!s.coder)
        s.coder = new (std::nothrow) compressor;
    if (!s.outbuf || !s.coder || !open_compressor(*s.coder)) {
        log_message(1, "Output Stream %d: no memory for the compression buffer and models\n", stream);
        return -1;
    }
    return 1;
}

EXPORT int output_handler_open(int stream)
{
    if (!stream_ok(stream, "open") || !sort_cntl)
        return -1;
    char name[file_name_size];
    if (!output_file_name(stream, name)) {
        log_message(1, "Output stream %d: no output file name, or one of %zu characters or more\n",
                    stream, file_name_size);
        return -1;
    }
    if (output_trace())
        std::printf("Output stream %d: Opening file %s\n", stream, name);
    if (access(name, F_OK) == 0)
        std::printf("Output Warning! About to overwrite file %s ...\n", name);
    close_stream_file(stream);
    // Read access as well: positioning walks the block headers already written.
    int fd = open(name, O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd >= 0)
        fd = off_zero(fd);
    if (fd < 0) {
        int err = errno;
        if (output_trace()) {
            std::perror("OutputHandler Open");
            std::printf("Output: Opening file %s\n", name);
        }
        log_message(1, "Output stream %d: cannot open file %s: %s\n", stream, name, std::strerror(err));
        return -1;
    }
    discfd[stream - 1] = fd;
    if (output_trace())
        std::printf("Output stream %d: Opened file %s\n", stream, name);
    streams[stream - 1].output_blocks_read = 0;
    return 0;
}

// A block that cannot be written whole is taken back, so the file keeps exactly the blocks
// written before it.
static int write_block(int stream, const uint8_t *block, size_t n)
{
    int fd = discfd[stream - 1];
    off_t start = lseek(fd, 0, SEEK_CUR);
    if (write_all(fd, block, n))
        return int(n);
    int err = errno;
    if (start >= 0 && ftruncate(fd, start) == 0)
        lseek(fd, start, SEEK_SET);
    log_message(1, "Output stream %d: writing block %d failed: %s\n", stream,
                streams[stream - 1].output_blocks_read + 1, std::strerror(err));
    return -1;
}

EXPORT int output_handler_write(int stream, void *buffer, int length)
{
    if (!stream_ok(stream, "write") || !sort_cntl)
        return -1;
    cz_stream &s = streams[stream - 1];
    if (output_trace())
        std::printf("Output stream %d: Writing buffer %08x maxlength %d, received %d\n", stream,
                    unsigned(uintptr_t(buffer)), nominal_max_length, length);
    if (!s.outbuf || !s.coder || discfd[stream - 1] == 0 || !buffer) {
        log_message(1, "Output stream %d: write without an initialised stream and an open file\n", stream);
        return -1;
    }
    if (length < 0 || length > nominal_max_length) {
        log_message(1, "Output stream %d: block of %d data bytes is outside 0 to %d\n", stream, length,
                    nominal_max_length);
        return -1;
    }
    s.max_blocks = blocks_allowed(nominal_length(length));
    uint8_t *block = static_cast<uint8_t *>(buffer);
    set_endian_fields(block);
    long payload = compress_block(*s.coder, block, size_t(length) + header_bytes, s.outbuf + header_bytes,
                                  outbuf_size - header_bytes);
    pack_header(s.outbuf, uint32_t(payload));
    int written = write_block(stream, s.outbuf, header_bytes + size_t(payload));
    if (written < 0)
        return -1;
    s.output_blocks_read++;
    return s.output_blocks_read < s.max_blocks ? written : -1;
}

EXPORT int output_handler_close(int stream)
{
    if (!stream_ok(stream, "close"))
        return -1;
    close_stream_file(stream);
    return 0;
}

EXPORT int output_handler_flush(int stream) { return output_handler_close(stream); }

// Blocks differ in length, so block blockno is found by walking the headers before it; the blocks
// from there on are cut off, as the next write replaces them and could not line up with them.
EXPORT int output_handler_setpos(int stream, int blockno)
{
    if (!stream_ok(stream, "setpos"))
        return -1;
    int fd = discfd[stream - 1];
    if (fd == 0 || blockno < 1) {
        log_message(1, "Output stream %d: cannot position at block %d\n", stream, blockno);
        return -1;
    }
    walk_result w = walk_headers(fd, blockno - 1);
    if (w.status != header_status::ok || lseek(fd, w.offset, SEEK_SET) != w.offset ||
        ftruncate(fd, w.offset) != 0) {
        log_message(1, "Output stream %d: cannot position at block %d: %s after %ld blocks\n", stream,
                    blockno, header_status_text(w.status), w.blocks);
        return -1;
    }
    streams[stream - 1].output_blocks_read = blockno;
    return 0;
}

EXPORT int output_handler_command(int, char *) { return 1; }

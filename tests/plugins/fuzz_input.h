// Test fixture for the fuzz targets: an in-memory file with a short path, rewritten per input,
// and a reader of the fuzz input's fields.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

struct memory_file {
    int fd = memfd_create("tarvik-fuzz", 0);
    std::string path = "/proc/self/fd/" + std::to_string(fd);

    void write(const uint8_t *data, size_t size) const
    {
        if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
            std::abort();
    }
};

// Takes fields off the front of the input; what is left over when it runs out is zero.
struct fuzz_input {
    const uint8_t *data;
    size_t size;

    unsigned byte()
    {
        if (size == 0)
            return 0;
        size--;
        return *data++;
    }
    unsigned word() { return byte() | byte() << 8; }
    // The next n bytes, or what is left.
    std::string take(size_t n)
    {
        n = n < size ? n : size;
        std::string s(reinterpret_cast<const char *>(data), n);
        data += n;
        size -= n;
        return s;
    }
};

// Test fixture shared by the tests of the built disc plug-ins: the plug-ins loaded once, a
// scratch directory as the host's base directory and a host-sized read buffer.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "plugin_loader.h"
#include "run_files.h"
#include "tarvikinput.h"
#include "temp_dir.h"
#include "test_host.h"

inline input_plugin &loaded(const char *name)
{
    static input_plugin xsys = load_input_plugin("xsys_disc");
    static input_plugin afrodite = load_input_plugin("afrodite_disc");
    return std::string(name) == "xsys_disc" ? xsys : afrodite;
}

struct disc_plugin_fixture : ::testing::Test {
    temp_dir dir;
    std::vector<char> buffer = std::vector<char>(TARVIK_MAX_BLOCK_LENGTH);
    int offset = -1;

    void SetUp() override
    {
        test_host::reset();
        test_host::set_basedir(dir.path.string());
        for (const char *name : {"xsys_disc", "afrodite_disc"})
            ASSERT_TRUE(loaded(name).handle && loaded(name).error.empty()) << loaded(name).error;
    }

    // Writes the blocks as the stream's run file, then init and open.
    void open_run_file(input_plugin &p, const std::vector<datagen::bytes> &blocks)
    {
        std::string path = dir.file("run.dat");
        datagen::write_file(path, blocks);
        test_host::set_input_file(1, path);
        p.init();
        ASSERT_EQ(p.open(1), 0);
    }

    int read(input_plugin &p) { return p.read(1, buffer.data(), &offset); }

    uint16_t word_at(int byte) const
    {
        uint16_t w;
        std::memcpy(&w, buffer.data() + byte, 2);
        return w;
    }
};

inline std::vector<datagen::bytes> on_disc(const std::vector<datagen::words> &blocks)
{
    std::vector<datagen::bytes> b;
    for (const datagen::words &w : blocks)
        b.push_back(datagen::big_endian(w));
    return b;
}

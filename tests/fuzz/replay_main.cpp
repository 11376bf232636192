// Replays saved fuzz inputs through a fuzz entry point without libFuzzer: every file named on the
// command line, or every file in a named directory, is read whole and passed in once.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

static int replay_file(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return 0;
}

int main(int argc, char **argv)
{
    int failures = 0, count = 0;
    for (int i = 1; i < argc; i++) {
        std::filesystem::path arg(argv[i]);
        if (std::filesystem::is_directory(arg)) {
            for (const auto &entry : std::filesystem::recursive_directory_iterator(arg))
                if (entry.is_regular_file()) {
                    failures += replay_file(entry.path());
                    count++;
                }
        } else {
            failures += replay_file(arg);
            count++;
        }
    }
    std::printf("replayed %d inputs\n", count);
    return failures ? 1 : 0;
}

// Test fixture: a scratch directory that lives as long as the object.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

struct temp_dir {
    std::filesystem::path path;
    temp_dir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvik-plugins-XXXXXX").string();
        const char *made = mkdtemp(pattern.data());
        path = made ? made : pattern;
    }
    ~temp_dir() { std::filesystem::remove_all(path); }
    std::string file(const std::string &name) const { return (path / name).string(); }
    std::string write(const std::string &name, const std::string &text) const
    {
        std::ofstream(file(name), std::ios::binary) << text;
        return file(name);
    }
};

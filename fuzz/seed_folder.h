#pragma once

// What both seed writers share: the one argument, the folder the seeds go into, made if it
// is missing.
#include <cstdio>
#include <filesystem>
#include <optional>

inline std::optional<std::filesystem::path> seedFolder(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return std::nullopt;
    }
    std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    return folder;
}

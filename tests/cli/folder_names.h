#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

// The names of the entries of a folder, sorted: what a test expects to find there, and
// that nothing else (no temporary file) was left.
inline std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

#pragma once

// sefaro-cli run as a user runs it, from a folder of the test's own, next to the window
// driven in this process, so that what the command prints or draws can be compared with
// what the window holds after the same actions.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "handlers/scenario.h"
#include "support/cli_run.h"

// Runs sefaro-cli in folder, so that paths may be given relative to it, with standard input
// from input.
inline CliRun cliIn(const std::filesystem::path& folder, const std::vector<std::string>& args,
                    const std::string& input = "/dev/null") {
    return runProgram(SEFARO_CLI, args, folder, input);
}

class CliAndWindow : public Scenario {
  protected:
    CliRun cli(const std::vector<std::string>& args) { return cliIn(dir.path(), args); }
};

inline std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// The entries of a folder, sorted: what a test expects there, and no temporary file besides.
inline std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

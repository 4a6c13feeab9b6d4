#pragma once

// Runs a built program as a user runs it from a shell, with stdout and stderr kept apart
// and no standard input.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct CliRun {
    int exit_code;
    std::string out, err;
};

inline std::string shellQuoted(const std::string& arg) {
    std::ostringstream q;
    q << '\'';
    for (char c : arg) {
        if (c == '\'') {
            q << "'\\''";
        } else {
            q << c;
        }
    }
    q << '\'';
    return q.str();
}

inline std::string fileText(const std::filesystem::path& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// Runs program with these arguments in the folder work, whose files stdout and stderr
// receive the two streams.
inline CliRun runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::filesystem::path& work) {
    const auto out = work / "stdout", err = work / "stderr";
    std::ostringstream command;
    command << shellQuoted(program);
    for (const std::string& a : args) command << ' ' << shellQuoted(a);
    command << " >" << shellQuoted(out.string()) << " 2>" << shellQuoted(err.string())
            << " </dev/null";
    const int status = std::system(command.str().c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, fileText(out), fileText(err)};
}

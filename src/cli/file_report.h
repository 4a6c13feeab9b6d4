#pragma once

#include <string>
#include <vector>

// What a per-file command made of one file: the text for standard output, the messages the
// window showed while loading it (the reader's, word for word), and, when the file failed,
// its exit code and one line saying why. A failed file has no output.
struct FileReport {
    int exit_code = 0;  // one of the exit codes of cli_commands.h
    std::string output;
    std::vector<std::string> messages;
    std::string error;  // the command's own reason; empty when the messages say it
};

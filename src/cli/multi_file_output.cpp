#include "cli/multi_file_output.h"

#include <cstdio>

#include "cli/cli_commands.h"

bool writeToStdout(std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

bool writeOneFileReport(const char* command, const FileReport& report) {
    for (const std::string& message : report.messages)
        std::fprintf(stderr, "%s\n", message.c_str());
    if (!report.error.empty()) commandError(command, report.error, report.exit_code);
    return writeToStdout(report.output);
}

bool writeManyFilesReport(const std::string& path, const FileReport& report) {
    for (const std::string& message : report.messages)
        std::fprintf(stderr, "sefaro-cli: %s: %s\n", path.c_str(), message.c_str());
    if (!report.error.empty())
        std::fprintf(stderr, "sefaro-cli: %s: %s\n", path.c_str(), report.error.c_str());
    return writeToStdout(report.output);
}

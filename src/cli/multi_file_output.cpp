#include "cli/multi_file_output.h"

#include <cstdio>

#include "cli/cli_commands.h"

bool writeToStdout(std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

bool writeFileReport(const char* command, const std::string* path, const FileReport& report) {
    const std::string named = path ? "sefaro-cli: " + *path + ": " : "";
    for (const std::string& message : report.messages)
        std::fprintf(stderr, "%s%s\n", named.c_str(), message.c_str());
    if (!report.error.empty()) {
        if (path)
            std::fprintf(stderr, "%s%s\n", named.c_str(), report.error.c_str());
        else
            commandError(command, report.error, report.exit_code);
    }
    return writeToStdout(report.output);
}

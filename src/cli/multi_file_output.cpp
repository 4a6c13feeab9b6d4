#include "cli/multi_file_output.h"

#include <cstdio>

bool writeToStdout(std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

bool writeFileReport(const std::string& path, const FileReport& report) {
    for (const std::string& message : report.messages)
        std::fprintf(stderr, "sefaro-cli: %s: %s\n", path.c_str(), message.c_str());
    if (!report.error.empty())
        std::fprintf(stderr, "sefaro-cli: %s: %s\n", path.c_str(), report.error.c_str());
    return writeToStdout(report.output);
}

#pragma once

#include <string>
#include <string_view>

#include "cli/file_report.h"

// How a report reaches the two streams: each line on stderr names its file, "sefaro-cli:
// PATH: text", the window's messages word for word as its last part; the output goes to
// stdout.

// Writes text to stdout and flushes it; false when it could not all be written.
bool writeToStdout(std::string_view text);

// The report of the file at path. False when stdout failed.
bool writeFileReport(const std::string& path, const FileReport& report);

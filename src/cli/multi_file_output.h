#pragma once

#include <string>
#include <string_view>

#include "cli/file_report.h"

// How a report reaches the two streams. With one file, as always: the window's messages on
// stderr word for word, the command's reason as "sefaro-cli COMMAND: why", the output on
// stdout. With several, each line on stderr names its file, "sefaro-cli: PATH: text", so
// that a long run's messages can still be told apart.

// Writes text to stdout and flushes it; false when it could not all be written.
bool writeToStdout(std::string_view text);

// The report of the only file; false when stdout failed.
bool writeOneFileReport(const char* command, const FileReport& report);
// The report of one file of several; false when stdout failed.
bool writeManyFilesReport(const std::string& path, const FileReport& report);

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

// The report of one file: path names it when it is one of several, and is null for the only
// file. False when stdout failed.
bool writeFileReport(const char* command, const std::string* path, const FileReport& report);

#pragma once

#include <optional>
#include <string>
#include <vector>

// The files a command is given: its FILE operands, then the lines of the list named by
// --files-from ("-" for standard input), one path a line; blank lines are skipped, every
// other line is a path exactly as written. Nothing, and error set to one line, when the
// list cannot be read.
std::optional<std::vector<std::string>> readFileList(const std::vector<std::string>& operands,
                                                     const std::string* list_path,
                                                     std::string& error);

#include "cli/file_list.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>

#include "cli/text_input.h"

namespace {

// False when the stream failed other than by reaching its end.
bool appendLines(std::istream& list, std::vector<std::string>& files) {
    std::string line;
    while (std::getline(list, line)) {
        if (!line.empty()) files.push_back(line);
    }
    return !list.bad();
}

}  // namespace

std::optional<std::vector<std::string>> readFileList(const std::vector<std::string>& operands,
                                                     const std::string* list_path,
                                                     std::string& error) {
    std::vector<std::string> files = operands;
    if (!list_path) return files;
    if (*list_path == "-") {
        if (appendLines(std::cin, files)) return files;
        error = "cannot read the file list from standard input";
        return std::nullopt;
    }
    std::ifstream list;
    if (!openTextInput(*list_path, list, error)) return std::nullopt;
    if (appendLines(list, files)) return files;
    error = "cannot read " + *list_path + ": " + std::strerror(errno ? errno : EIO);
    return std::nullopt;
}

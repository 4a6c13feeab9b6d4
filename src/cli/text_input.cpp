#include "cli/text_input.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

bool openTextInput(const std::string& path, std::ifstream& stream, std::string& error) {
    std::error_code ignored;
    // A folder opens as a stream that fails only at the first read; say why at once.
    errno = std::filesystem::is_directory(path, ignored) ? EISDIR : 0;
    if (errno == 0) stream.open(path);
    if (stream.is_open()) return true;
    error = "cannot read " + path + ": " + std::strerror(errno ? errno : EIO);
    return false;
}

#include "cli/window_pictures.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "cli/atomic_file.h"
#include "cli/cli_window.h"

bool makePictureFolder(const std::string& folder, const std::string& what, std::string& error) {
    std::error_code failure;
    std::filesystem::create_directories(folder, failure);
    if (!failure && std::filesystem::is_directory(folder)) return true;
    const std::string why = failure ? failure.message() : std::strerror(ENOTDIR);
    error = "cannot write " + what + " into " + folder + ": " + why;
    return false;
}

bool saveWindowPicture(CliWindow& window, const std::string& path, std::string& error) {
    const std::string png = window.windowPng();
    if (png.empty()) {
        error = "the window could not be encoded as PNG";
        return false;
    }
    return writeFileAtomically(path, png, error);
}

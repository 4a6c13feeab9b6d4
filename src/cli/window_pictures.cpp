#include "cli/window_pictures.h"

#include <filesystem>
#include <system_error>

#include "cli/cli_window.h"
#include "toolkit/qt/atomic_file.h"

bool makePictureFolder(const std::string& folder, const std::string& what, std::string& error) {
    // An existing file of that name, or a link to one, is an error here too.
    std::error_code failure;
    std::filesystem::create_directories(folder, failure);
    if (!failure) return true;
    error = "cannot write " + what + " into " + folder + ": " + failure.message();
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

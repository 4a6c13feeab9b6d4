#include "cli/window_pictures.h"

#include <QImageWriter>
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

std::string writablePictureFormats() {
    std::string list;
    for (const QByteArray& format : QImageWriter::supportedImageFormats())
        list += (list.empty() ? "" : ", ") + format.toStdString();
    return list;
}

std::optional<std::string> pictureFormat(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    if (extension.empty()) return "png";
    const QByteArray format = QByteArray::fromStdString(extension.substr(1)).toLower();
    if (!QImageWriter::supportedImageFormats().contains(format)) return std::nullopt;
    return format.toStdString();
}

bool saveWindowPicture(CliWindow& window, const std::string& path, const std::string& format,
                       std::string& error, double scale, wsqt::PointerAndFocus pointer_and_focus) {
    const std::string picture = window.windowPicture(format, scale, pointer_and_focus);
    if (picture.empty()) {
        error = "the window could not be encoded as " + format;
        return false;
    }
    return writeFileAtomically(path, picture, error);
}

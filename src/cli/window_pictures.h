#pragma once

#include <optional>
#include <string>

#include "toolkit/qt/qt_window_picture.h"

class CliWindow;

// Makes folder, with its parents, where the window's pictures are to go; false, with error
// set to "cannot write WHAT into FOLDER: why", when it cannot be made or is not a folder.
bool makePictureFolder(const std::string& folder, const std::string& what, std::string& error);

// The formats Qt's image writer has here, as a user reads a list: "bmp, jpeg, jpg, png …".
std::string writablePictureFormats();

// The format a picture's file name asks for by its extension, in any case: png for a name
// with none; nothing when Qt cannot write it.
std::optional<std::string> pictureFormat(const std::string& path);

// Saves the whole window's picture (see CliWindow::windowPicture) in that format at path, all
// of it or nothing; false, with error set to one line, when it cannot be encoded or written.
bool saveWindowPicture(CliWindow& window, const std::string& path, const std::string& format,
                       std::string& error, double scale = 1,
                       wsqt::PointerAndFocus pointer_and_focus = wsqt::PointerAndFocus::left_out);

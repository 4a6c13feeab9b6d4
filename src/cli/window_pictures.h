#pragma once

#include <string>

class CliWindow;

// Makes folder, with its parents, where the window's pictures are to go; false, with error
// set to "cannot write WHAT into FOLDER: why", when it cannot be made or is not a folder.
bool makePictureFolder(const std::string& folder, const std::string& what, std::string& error);

// Saves the whole window as a PNG at path, all of it or nothing; false, with error set to
// one line, when it cannot be encoded or written.
bool saveWindowPicture(CliWindow& window, const std::string& path, std::string& error);

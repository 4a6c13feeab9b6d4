#pragma once

#include <fstream>
#include <string>

// Opens a text file the user named (a script, a file list). False, and error set to
// "cannot read PATH: why", when it cannot be opened; a folder cannot.
bool openTextInput(const std::string& path, std::ifstream& stream, std::string& error);

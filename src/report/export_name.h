#pragma once

#include <string>

// "<file name without .wav>-<N>-<position>": the stem under which what the window shows for
// that file, size and position is saved, by the window and by sefaro-cli alike. ".wav" is
// dropped in any case of letters; a name that is nothing but it stays whole.
std::string exportStem(const std::string& file_name, long size, long position);

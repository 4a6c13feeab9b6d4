#pragma once

#include <string>

// "<file name without its extension>-<N>-<position>": the stem under which what the window
// shows for that file, size and position is saved, by the window and by sefaro-cli alike
// ("song.flac" gives "song-1024-0"). Only the last extension is dropped, and a name that is
// nothing but one (".wav") stays whole.
std::string exportStem(const std::string& file_name, long size, long position);

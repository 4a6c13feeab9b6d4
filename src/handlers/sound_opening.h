#pragma once

#include <string>

// The converter's ways into the window, beside "select WAVE" (which stays the reader's):
// each ends, when the excerpt is converted, as a load by "select WAVE" ends, through
// keepWave, and remembers where the wave came from. A file that cannot be converted is
// told in a message and changes nothing.

// Open any sound…: the file dialog offers every sound the converter reads, then the
// excerpt picker (skipped for a mono source that fits whole) chooses what to load.
void openAnySound();

// A file handed in from outside (the command line, a drop): the reader's way when the
// reader takes it or refuses it for a reason the converter cannot mend; else the excerpt
// picker's. True when it went the converter's way.
bool openOutsideSound(const std::string& path);

// The excerpt from from_s of channel (0: the mean) of the file at path, with no picker.
void openSoundExcerpt(const std::string& path, double from_s, int channel);

#pragma once

#include <string>

#include "sound/sound_excerpt.h"

// Where a converted wave came from, in one line for the name label's tooltip:
// "song.flac: converted from 48000 Hz, 2 channels (mean), 24 bits; 0.500 s from 12.000 s
// of 3:12.40; 37 samples clipped" (the clipped part only when some were).
std::string excerptDescription(const std::string& file_name, const SoundExcerpt& excerpt);

// A duration as minutes, seconds and hundredths: "3:12.40".
std::string minutesText(double seconds);

#pragma once

#include <vector>

#include "sound/sound_file.h"

// The whole recording at a glance: for each of a number of columns, the smallest and the
// largest sample (full scale ±1) of all channels over the frames that fall in it. A source
// with fewer frames than columns leaves the columns without frames at 0.
struct SoundEnvelope {
    std::vector<float> minimum, maximum;
};

// Reads the file from its start to its end.
SoundEnvelope envelopeOf(SoundFile& file, int columns);

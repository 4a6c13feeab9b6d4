#pragma once

#include <span>
#include <vector>

// Samples at full scale ±1 as the reader's 16-bit samples: multiplied by 32768, rounded
// half away from zero and saturated to −32768 … 32767. A value that saturates, and a NaN
// (taken as 0), counts as clipped. A 16-bit source thus comes back exactly.
struct ScaledSamples {
    std::vector<short> samples;
    long clipped = 0;
};

ScaledSamples scaledSamples(std::span<const double> full_scale);

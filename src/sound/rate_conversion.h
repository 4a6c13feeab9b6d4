#pragma once

#include <span>
#include <vector>

// One channel resampled from rate_hz to 44100 Hz by libsoxr at its very high quality
// (linear phase, so output sample k lies at time k / 44100 from the input's first sample,
// as if the input were preceded and followed by silence). Samples stay at full scale ±1.
std::vector<double> resampledTo44100(std::span<const double> input, long rate_hz);

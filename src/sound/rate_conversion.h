#pragma once

#include <span>
#include <vector>

// One channel resampled from from_hz to to_hz by libsoxr at its very high quality (linear
// phase, so output sample k lies at time k / to_hz from the input's first sample, as if the
// input were preceded and followed by silence). Samples stay at full scale ±1; empty when
// libsoxr cannot convert.
std::vector<double> resampled(std::span<const double> input, long from_hz, long to_hz);

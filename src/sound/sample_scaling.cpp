#include "sound/sample_scaling.h"

#include <cmath>

namespace {

constexpr double kFullScale = 32768.0;
constexpr double kLargest = 32767.0;
constexpr double kSmallest = -32768.0;

}  // namespace

ScaledSamples scaledSamples(std::span<const double> full_scale) {
    ScaledSamples scaled;
    scaled.samples.reserve(full_scale.size());
    for (const double value : full_scale) {
        // Compared before any conversion, so that no NaN or infinity becomes an integer.
        const double rounded = std::round(value * kFullScale);
        double kept = rounded;
        if (std::isnan(rounded)) {
            kept = 0;
        } else if (rounded > kLargest) {
            kept = kLargest;
        } else if (rounded < kSmallest) {
            kept = kSmallest;
        }
        if (kept != rounded) ++scaled.clipped;
        scaled.samples.push_back(static_cast<short>(kept));
    }
    return scaled;
}

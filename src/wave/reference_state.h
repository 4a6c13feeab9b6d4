#pragma once

#include <optional>
#include <string>
#include <vector>

// The segment held for comparison beside the analysis state. It keeps its samples, not its
// spectrum, so that it can be analysed again at any N, and it outlives loads.
struct ReferenceSegment {
    std::vector<short> wave;  // the wave it was taken from, at most 22050 samples
    std::string name;         // that file's name, as the name label showed it
    long position = 0;
    // ln(1 + P) and phase of bins 0 … N/2 − 1 of its segment at the present N; empty while
    // that segment does not fit its wave.
    std::vector<double> log_power;
    std::vector<double> phase_rad;
};

// The reference held now; none at start.
extern std::optional<ReferenceSegment> heldReference;
// Whether the power plot shows the difference from the reference instead of both curves.
extern bool differenceShown;

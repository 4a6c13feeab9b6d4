#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/segment_request.h"
#include "report/segment_report.h"

// A wave's segment analysed as the window analyses it, by the same functions, but into
// arrays of its own and with no widget and no picture: what spectrum and peaks print over a
// corpus. It touches no analysis state, so threads may run it side by side.
struct SegmentComputation {
    std::optional<std::string> range_error;  // the segment does not fit the wave
    SpectrumReport spectrum;                 // filled when in range
};

// The segment that request names of samples, the wave of request.file as the window holds
// it once loaded.
SegmentComputation computeSegment(const SegmentRequest& request, const std::vector<short>& samples);

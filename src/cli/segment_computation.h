#pragma once

#include <optional>
#include <string>

#include "cli/segment_request.h"
#include "report/segment_report.h"
#include "wave/wave_reader.h"

// A file's segment analysed as the window analyses it, by the same reader and the same
// functions, but into arrays of its own and with no widget and no picture: what spectrum
// and peaks print over a corpus. It touches no analysis state, so threads may run it side
// by side.
struct SegmentComputation {
    WaveReadOutcome read = WaveReadOutcome::refused;
    const char* message = nullptr;           // the reader's, as the window would show it
    std::optional<std::string> range_error;  // the segment does not fit the wave
    SpectrumReport spectrum;                 // filled when read and in range
};

SegmentComputation computeSegment(const SegmentRequest& request);

#include "cli/segment_computation.h"

#include <filesystem>
#include <vector>

#include "handlers/segment_analysis.h"

namespace {

// The reader accepts no other rate and sample size, and the converter gives the same.
constexpr long kRateHz = 44100;
constexpr long kBitsPerSample = 16;

}  // namespace

SegmentComputation computeSegment(const SegmentRequest& request,
                                  const std::vector<short>& samples) {
    SegmentComputation computation;
    const long points = static_cast<long>(samples.size());
    computation.range_error = segmentRangeError(request, points);
    if (computation.range_error) return computation;

    PlottedHalf analysed =
        analyseWaveSegment(samples.data(), points, request.position, request.size);
    SpectrumReport& report = computation.spectrum;
    // The name label shows the file's name without its folder.
    report.name = std::filesystem::path(request.file).filename().string();
    report.rate_hz = kRateHz;
    report.bits = kBitsPerSample;
    report.points = points;
    report.size = request.size;
    report.position = request.position;
    report.log_power = std::move(analysed.log_power);
    report.phase_rad = std::move(analysed.phase_rad);
    return computation;
}

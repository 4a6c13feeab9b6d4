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

    const auto size = static_cast<std::size_t>(request.size);
    std::vector<short> segment(size);
    std::vector<double> re(size), im(size), power(size), phase(size);
    copySegment(samples.data(), points, request.position, segment.data(), request.size);
    const Spectrum analysed = analyseSegment(
        {segment.data(), request.size, re.data(), im.data(), power.data(), phase.data()});

    SpectrumReport& report = computation.spectrum;
    // The name label shows the file's name without its folder.
    report.name = std::filesystem::path(request.file).filename().string();
    report.rate_hz = kRateHz;
    report.bits = kBitsPerSample;
    report.points = points;
    report.size = request.size;
    report.position = request.position;
    report.log_power.assign(power.begin(), power.begin() + analysed.points);
    report.phase_rad.assign(phase.begin(), phase.begin() + analysed.points);
    return computation;
}

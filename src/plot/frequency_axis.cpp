#include "plot/frequency_axis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr double kLeastLinearBins = 8;
constexpr double kLeastLogarithmicExtent = std::numbers::ln2 / 8;
constexpr double kMostLabels = 8;
constexpr double kWholeAxisLabelStepHz = 5000;
constexpr double kLowestLogarithmicLabelHz = 20;

// 0 before anything is analysed.
double binHz(const SpectrumGrid& grid) {
    return grid.size > 0 ? double(grid.rate_hz) / double(grid.size) : 0;
}

FrequencyRange wholeRange(bool logarithmic, const SpectrumGrid& grid) {
    return {logarithmic ? binHz(grid) : 0, double(grid.rate_hz) / 2};
}

// Zooming and panning act on where frequencies lie across the plot: the frequency itself on
// a linear axis, its logarithm on a logarithmic one.
struct Placement {
    bool logarithmic;
    double at(double hz) const { return logarithmic ? std::log(hz) : hz; }
    double hz(double at) const { return logarithmic ? std::exp(at) : at; }
};

// The fraction of the plot's width at x, within 0 … 1.
double fractionAt(unsigned short width, double x) {
    const PlotColumns columns = plotColumns(width, 1);
    if (columns.span <= 0) return 0.5;
    return std::clamp((x - columns.mx) / columns.span, 0.0, 1.0);
}

// The axis whose range of that extent puts `at` at fraction of the width, moved as little
// as it takes to stay within the whole axis.
FrequencyAxis placedAxis(bool logarithmic, const SpectrumGrid& grid, double at, double fraction,
                         double extent) {
    const Placement placement{logarithmic};
    const FrequencyRange whole = wholeRange(logarithmic, grid);
    const double first = placement.at(whole.low_hz), last = placement.at(whole.high_hz);
    if (!(extent < last - first)) return {logarithmic, false, 0, 0};
    const double low = std::clamp(at - fraction * extent, first, last - extent);
    return {logarithmic, true, placement.hz(low), placement.hz(low + extent)};
}

// The 1-2-5 step that gives at most kMostLabels across extent_hz.
double labelStep(double extent_hz) {
    double step = std::pow(10.0, std::floor(std::log10(extent_hz / kMostLabels)));
    for (const double multiple : {1.0, 2.0, 5.0, 10.0}) {
        if (extent_hz / (step * multiple) <= kMostLabels) return step * multiple;
    }
    return step * 10;
}

std::vector<double> multiplesWithin(double step, FrequencyRange range) {
    std::vector<double> frequencies;
    for (double n = std::floor(range.low_hz / step) + 1; n * step < range.high_hz; ++n)
        frequencies.push_back(n * step);
    return frequencies;
}

}  // namespace

double binAt(double hz, const SpectrumGrid& grid) {
    return hz / binHz(grid);
}

FrequencyRange shownRange(const FrequencyAxis& axis, const SpectrumGrid& grid) {
    return axis.zoomed ? FrequencyRange{axis.low_hz, axis.high_hz}
                       : wholeRange(axis.logarithmic, grid);
}

PointRange binRange(const FrequencyAxis& axis, const SpectrumGrid& grid) {
    if (drawnAsDesigned(axis)) return {0, double(grid.size / 2), false};
    const FrequencyRange range = shownRange(axis, grid);
    return {binAt(range.low_hz, grid), binAt(range.high_hz, grid), axis.logarithmic};
}

FrequencyAxis axisShowing(bool logarithmic, FrequencyRange range, const SpectrumGrid& grid) {
    const FrequencyRange whole = wholeRange(logarithmic, grid);
    const double low = std::max(range.low_hz, whole.low_hz);
    const double high = std::min(range.high_hz, whole.high_hz);
    if (!(low < high) || (low == whole.low_hz && high == whole.high_hz))
        return {logarithmic, false, 0, 0};
    return {logarithmic, true, low, high};
}

double frequencyAt(const FrequencyAxis& axis, const SpectrumGrid& grid, unsigned short width,
                   double x) {
    const Placement placement{axis.logarithmic};
    const FrequencyRange range = shownRange(axis, grid);
    const double low = placement.at(range.low_hz), high = placement.at(range.high_hz);
    return placement.hz(low + fractionAt(width, x) * (high - low));
}

FrequencyAxis zoomedAxis(const FrequencyAxis& axis, const SpectrumGrid& grid, unsigned short width,
                         double x, double factor) {
    const Placement placement{axis.logarithmic};
    const FrequencyRange range = shownRange(axis, grid);
    const double least =
        axis.logarithmic ? kLeastLogarithmicExtent : kLeastLinearBins * binHz(grid);
    const double extent =
        std::max((placement.at(range.high_hz) - placement.at(range.low_hz)) / factor, least);
    return placedAxis(axis.logarithmic, grid, placement.at(frequencyAt(axis, grid, width, x)),
                      fractionAt(width, x), extent);
}

FrequencyAxis pannedAxis(const FrequencyAxis& axis, const SpectrumGrid& grid, unsigned short width,
                         double frequency_hz, double x) {
    if (!axis.zoomed) return axis;
    const Placement placement{axis.logarithmic};
    return placedAxis(axis.logarithmic, grid, placement.at(frequency_hz), fractionAt(width, x),
                      placement.at(axis.high_hz) - placement.at(axis.low_hz));
}

std::vector<double> labelledFrequencies(const FrequencyAxis& axis, const SpectrumGrid& grid) {
    const FrequencyRange range = shownRange(axis, grid);
    if (!(range.low_hz < range.high_hz)) return {};
    if (drawnAsDesigned(axis)) return multiplesWithin(kWholeAxisLabelStepHz, range);
    if (axis.logarithmic) {
        std::vector<double> frequencies;
        for (double decade = kLowestLogarithmicLabelHz / 2; decade < range.high_hz; decade *= 10) {
            for (const double multiple : {2.0, 5.0, 10.0}) {
                const double hz = decade * multiple;
                if (hz > range.low_hz && hz < range.high_hz) frequencies.push_back(hz);
            }
        }
        if (frequencies.size() >= 2) return frequencies;
    }
    return multiplesWithin(labelStep(range.high_hz - range.low_hz), range);
}

std::string frequencyLabel(double hz) {
    char text[32];
    if (hz >= 1000) {
        std::snprintf(text, sizeof text, "%.6gk", hz / 1000);
    } else {
        std::snprintf(text, sizeof text, "%.6g", hz);
    }
    return text;
}

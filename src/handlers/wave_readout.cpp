#include "handlers/wave_readout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "names/window_names.h"
#include "plot/plot_columns.h"

namespace {

constexpr double kMillisecondsPerSecond = 1000.0;
// A press and a release at most this many pixels apart, both ways, are a click.
constexpr int kClickSlackPixels = 3;

}  // namespace

long sampleAtColumn(unsigned short width, long points, int x) {
    return pointAtColumn(plotColumns(width, points), x);
}

std::string sampleTooltip(long index, long rate_hz, short value) {
    const double ms = rate_hz > 0 ? static_cast<double>(index) * kMillisecondsPerSecond /
                                        static_cast<double>(rate_hz)
                                  : 0.0;
    char text[96];
    std::snprintf(text, sizeof text, "sample %ld   %.2f ms   %d", index, ms,
                  static_cast<int>(value));
    return text;
}

long positionAtColumn(unsigned short width, long points, long size, int x) {
    const long sample = firstPointFrom(plotColumns(width, points), x);
    return std::clamp(sample, 0L, std::max(points - size, 0L));
}

WSband segmentBand(unsigned short width, long points, long position, long size) {
    const PlotColumns columns = plotColumns(width, points);
    return {pointColumn(columns, position), pointColumn(columns, position + size - 1)};
}

std::string noSegmentReason(long points, long size) {
    long fitting = 0;
    for (const long candidate : names::kSegmentSizes) {
        if (candidate <= points) fitting = candidate;
    }
    char text[160];
    if (fitting > 0) {
        std::snprintf(text, sizeof text,
                      "%ld samples: a segment of %ld does not fit; choose %ld or less", points,
                      size, fitting);
    } else {
        std::snprintf(text, sizeof text,
                      "%ld samples: a segment of %ld does not fit; no size fits: a segment needs "
                      "at least %ld samples",
                      points, size, names::kSegmentSizes.front());
    }
    return text;
}

bool withinClick(double press_x, double press_y, double x, double y) {
    return std::abs(x - press_x) <= kClickSlackPixels && std::abs(y - press_y) <= kClickSlackPixels;
}

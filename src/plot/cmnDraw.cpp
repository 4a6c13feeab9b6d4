#include "plot/cmnDraw.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "plot/plot_columns.h"
#include "toolkit/WSDdev.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSwidgets.h"

namespace {

constexpr unsigned char kFull = 255;
constexpr long kWholePassFlag = 1;
constexpr unsigned short kMinorTickHz = 1000;
constexpr unsigned short kMajorTickHz = 5000;

// The area's size as the plot sees it on this call, with its 3 % margins, in logical pixels,
// and the device's pixel ratio, by which every coordinate is multiplied at the last step.
struct Frame {
    unsigned short width;
    unsigned short height;
    short mx;
    short my;
    double ratio;
};

Frame frameOf(WSCvdrawingArea* area, const WSDdev* device) {
    const unsigned short width = area->getProperty(_WSNwidth());
    const unsigned short height = area->getProperty(_WSNheight());
    return {width, height, static_cast<short>(3 * width / 100),
            static_cast<short>(3 * height / 100), device->pixelRatio()};
}

// A logical coordinate on the device, truncated toward zero. Lines stay one device pixel
// wide at every ratio: at 1 that is the plots' own look, unchanged to the pixel, and above 1
// a line blended over two pixels would look blurred beside the crisp text; one pixel wide,
// a line at 1.5 never alternates between one and two pixels either.
int devicePixel(const Frame& frame, int logical) {
    return static_cast<int>(logical * frame.ratio);
}

void line(WSDdev* device, const Frame& frame, int x1, int y1, int x2, int y2) {
    device->drawLine(
        static_cast<short>(devicePixel(frame, x1)), static_cast<short>(devicePixel(frame, y1)),
        static_cast<short>(devicePixel(frame, x2)), static_cast<short>(devicePixel(frame, y2)));
}

// Every pixel of the frame set white, row by row as the picture is stored: the picture is
// white before any line.
void clearToWhite(WSDdev* device, const Frame& frame) {
    const unsigned short width = deviceLength(frame.width, frame.ratio);
    const unsigned short height = deviceLength(frame.height, frame.ratio);
    device->beginPixelAccess();
    for (int y = 0; y < height; ++y)
        device->setPixelRun(0, static_cast<unsigned short>(y), width, kFull, kFull, kFull);
    device->endPixelAccess();
}

void beginPass(WSDdev* device, const Frame& frame) {
    device->beginDraw(0, 0, frame.width, frame.height, kWholePassFlag, kWholePassFlag);
}

void drawVerticalAxis(WSDdev* device, const Frame& frame) {
    line(device, frame, frame.mx, frame.height - frame.my, frame.mx, frame.my);
}

// Ticks hanging below the bottom axis at every multiple of step_hz strictly between 0 and
// nyquist_hz. The counter is 16-bit like the Nyquist frequency; it stops where it would
// wrap, so a rate near the top of that range cannot loop for ever.
void drawTicks(WSDdev* device, const Frame& frame, unsigned short nyquist_hz,
               unsigned short step_hz, int length) {
    const int bottom = frame.height - frame.my;
    const long long span = frame.width - 2 * frame.mx;
    for (unsigned short f = step_hz; f < nyquist_hz; f = static_cast<unsigned short>(f + step_hz)) {
        const int x = static_cast<int>(frame.mx + f * span / nyquist_hz);
        line(device, frame, x, bottom, x, bottom + length);
        if (f > 0xffff - step_hz) break;
    }
}

// A coordinate that drawLine can take: truncated toward zero into 16 bits. NaN, ±∞ and
// values beyond the range have no integer value to convert to.
bool toCoordinate(double value, short& coordinate) {
    if (!(value > -32769.0 && value < 32768.0)) return false;
    coordinate = static_cast<short>(value);
    return true;
}

// The count − 1 segments between successive points: value i at x = mx + i/s with
// s = count / (W − 2mx) (pointX over the whole plot), at the height y_of(i), both multiplied by the
// pixel ratio before they are truncated. A point that has no coordinates leaves out the two
// segments that meet there.
template <class HeightOf>
void drawSegments(WSDdev* device, const Frame& frame, long count, HeightOf y_of) {
    const PlotColumns columns = plotColumns(frame.width, count);
    if (count < 2 || columns.span <= 0) return;
    // The points of a block are worked out before its lines are drawn: apart from the
    // line calls, the divisions of a block overlap instead of waiting for each other.
    constexpr long kBlock = 256;
    double xs[kBlock], ys[kBlock];
    short x1 = 0, y1 = 0;
    bool have1 = false;
    for (long first = 0; first < count; first += kBlock) {
        const long n = std::min(kBlock, count - first);
        for (long j = 0; j < n; ++j) {
            xs[j] = pointX(columns, static_cast<double>(first + j));
            ys[j] = y_of(first + j);
        }
        for (long j = 0; j < n; ++j) {
            short x2 = 0, y2 = 0;
            const bool have2 =
                toCoordinate(xs[j] * frame.ratio, x2) && toCoordinate(ys[j] * frame.ratio, y2);
            if (have1 && have2) device->drawLine(x1, y1, x2, y2);
            x1 = x2;
            y1 = y2;
            have1 = have2;
        }
    }
}

// Value units per pixel; 0 when no finite, non-zero scale exists (a maximum of 0, NaN or
// ±∞, or no height to draw in), in which case no point can be placed.
template <class Real>
Real unitsPerPixel(Real range, int pixels) {
    if (pixels <= 0) return 0;
    const Real k = range / static_cast<Real>(pixels);
    return std::isfinite(k) ? k : 0;
}

// |value| in 16 bits, saturated: −32768 counts as 32767, so a full-scale negative sample
// scales the plot like a positive one instead of vanishing from it.
short saturatedMagnitude(short value) {
    return value == std::numeric_limits<short>::min() ? std::numeric_limits<short>::max()
           : value < 0                                ? static_cast<short>(-value)
                                                      : value;
}

enum class Baseline {
    centre,  // 0 on the centre line, ±maximum on the margins
    bottom,  // 0 on the bottom axis, maximum on the top margin
};

// Where a value v sits: y = origin − v/k. Real is the precision in which k and the y values
// are held before they are truncated; k is 0 when no value can be placed.
template <class Real>
struct VerticalScale {
    Real k, origin, top, bottom;

    // A value beyond the scale (−32768 against a maximum of 32767) stops at the frame's
    // edge, so a clipped sample shows where it clips; a non-finite one stays unplaceable.
    template <class Value>
    double y(Value v) const {
        const Real y = origin - v / k;
        return std::isfinite(y) ? std::clamp(y, top, bottom) : y;
    }
};

template <class Real>
VerticalScale<Real> verticalScale(const Frame& frame, Real maximum, Baseline baseline) {
    const bool centred = baseline == Baseline::centre;
    return {unitsPerPixel(centred ? 2 * maximum : maximum, frame.height - 2 * frame.my),
            centred ? frame.height * Real(0.5) : Real(frame.height - frame.my), Real(frame.my),
            Real(frame.height - frame.my)};
}

template <class Real, class Value>
void drawCurve(WSCvdrawingArea* area, WSDdev* device, const Value* values, long count, Real maximum,
               Baseline baseline) {
    if (!area || !device) return;
    const Frame frame = frameOf(area, device);
    beginPass(device, frame);
    const VerticalScale<Real> scale = verticalScale(frame, maximum, baseline);
    if (values && scale.k != 0)
        drawSegments(device, frame, count, [&](long i) { return scale.y(values[i]); });
    device->endDraw();
}

// The points a part of the curve draws: the strongest of each column inside the frame, and
// beside them the nearest placeable point beyond each side.
std::vector<long> pointsDrawn(const PlotColumns& columns, const double* strength) {
    const auto [first, end] = pointsInside(columns);
    std::vector<long> drawn;
    // Point 0 has no place on a logarithmic axis.
    if (first > (columns.logarithmic ? 1 : 0)) drawn.push_back(first - 1);
    for (long i = first; i < end;) {
        const int column = pointColumn(columns, i);
        long strongest = i;
        for (++i; i < end && pointColumn(columns, i) == column; ++i) {
            if (strength[i] > strength[strongest]) strongest = i;
        }
        drawn.push_back(strongest);
    }
    if (end < columns.count) drawn.push_back(end);
    return drawn;
}

// The line from (x1, y1) to (x2, y2), x1 < x2, cut off at the frame's sides.
void lineWithinSides(WSDdev* device, const Frame& frame, double x1, double y1, double x2,
                     double y2) {
    const double left = frame.mx, right = frame.width - frame.mx;
    if (!(x1 < x2) || x2 < left || x1 > right) return;
    const double slope = (y2 - y1) / (x2 - x1);
    if (x1 < left) {
        y1 += (left - x1) * slope;
        x1 = left;
    }
    if (x2 > right) {
        y2 -= (x2 - right) * slope;
        x2 = right;
    }
    short cx1 = 0, cy1 = 0, cx2 = 0, cy2 = 0;
    if (toCoordinate(x1 * frame.ratio, cx1) && toCoordinate(y1 * frame.ratio, cy1) &&
        toCoordinate(x2 * frame.ratio, cx2) && toCoordinate(y2 * frame.ratio, cy2))
        device->drawLine(cx1, cy1, cx2, cy2);
}

void drawRangeCurve(WSCvdrawingArea* area, WSDdev* device, const double* values, long count,
                    double maximum, Baseline baseline, const PointRange& range,
                    const double* strength) {
    if (!area || !device) return;
    const Frame frame = frameOf(area, device);
    beginPass(device, frame);
    const VerticalScale<double> scale = verticalScale(frame, maximum, baseline);
    const PlotColumns columns = plotColumns(frame.width, count, range);
    if (values && strength && scale.k != 0 && count > 0 && columns.span > 0) {
        const std::vector<long> drawn = pointsDrawn(columns, strength);
        for (std::size_t j = 1; j < drawn.size(); ++j) {
            const long a = drawn[j - 1], b = drawn[j];
            const double ya = scale.y(values[a]), yb = scale.y(values[b]);
            if (std::isfinite(ya) && std::isfinite(yb))
                lineWithinSides(device, frame, pointX(columns, double(a)), ya,
                                pointX(columns, double(b)), yb);
        }
    }
    device->endDraw();
}

// The power plot's frame without its ticks: the picture cleared, its axes drawn and the pass
// left open for the ticks.
Frame beginPowerFrame(WSCvdrawingArea* area, WSDdev* device) {
    const Frame frame = frameOf(area, device);
    clearToWhite(device, frame);
    beginPass(device, frame);
    drawVerticalAxis(device, frame);
    const int bottom = frame.height - frame.my;
    line(device, frame, frame.width - frame.mx, bottom, frame.mx, bottom);
    return frame;
}

}  // namespace

void drawScale(WSCvdrawingArea* area, WSDmwindowDev* device) {
    if (!area || !device) return;
    const Frame frame = frameOf(area, device);
    clearToWhite(device, frame);
    beginPass(device, frame);
    drawVerticalAxis(device, frame);
    line(device, frame, frame.width - frame.mx, frame.height / 2, frame.mx, frame.height / 2);
    device->endDraw();
}

void drawScalePlus(WSCvdrawingArea* area, WSDmwindowDev* device, long sampling_frequency_hz) {
    if (!area || !device) return;
    const Frame frame = beginPowerFrame(area, device);
    const long nyquist_hz = sampling_frequency_hz / 2;
    if (sampling_frequency_hz > 0 && nyquist_hz <= 0xffff) {
        // Minor ticks first: a major tick at the same place is drawn over it.
        drawTicks(device, frame, static_cast<unsigned short>(nyquist_hz), kMinorTickHz,
                  frame.my / 2);
        drawTicks(device, frame, static_cast<unsigned short>(nyquist_hz), kMajorTickHz,
                  (2 * frame.my) / 3);
    }
    device->endDraw();
}

void drawScalePlus(WSCvdrawingArea* area, WSDmwindowDev* device, long count,
                   const PointRange& range, const std::vector<double>& ticks) {
    if (!area || !device) return;
    const Frame frame = beginPowerFrame(area, device);
    const int bottom = frame.height - frame.my;
    const PlotColumns columns = plotColumns(frame.width, count, range);
    for (const double tick : ticks) {
        const double x = pointX(columns, tick);
        if (!(x > frame.mx && x < frame.width - frame.mx)) continue;
        const int column = static_cast<int>(x);
        line(device, frame, column, bottom, column, bottom + (2 * frame.my) / 3);
    }
    device->endDraw();
}

void drawWave(WSCvdrawingArea* area, WSDdev* device, const short* values, long count,
              short maximum) {
    drawCurve<float>(area, device, values, count, maximum, Baseline::centre);
}

void drawWave(WSCvdrawingArea* area, WSDdev* device, const double* values, long count,
              double maximum) {
    drawCurve<double>(area, device, values, count, maximum, Baseline::centre);
}

void drawWavePlus(WSCvdrawingArea* area, WSDdev* device, const double* values, long count,
                  double maximum) {
    drawCurve<double>(area, device, values, count, maximum, Baseline::bottom);
}

void drawWave(WSCvdrawingArea* area, WSDdev* device, const double* values, long count,
              double maximum, const PointRange& range, const double* strength) {
    drawRangeCurve(area, device, values, count, maximum, Baseline::centre, range, strength);
}

void drawWavePlus(WSCvdrawingArea* area, WSDdev* device, const double* values, long count,
                  double maximum, const PointRange& range, const double* strength) {
    drawRangeCurve(area, device, values, count, maximum, Baseline::bottom, range, strength);
}

short findMax(const short* values, long count) {
    short largest = -1;
    for (long i = 0; values && i < count; ++i) {
        const short magnitude = saturatedMagnitude(values[i]);
        if (magnitude > largest) largest = magnitude;
    }
    return largest;
}

double findMax(const double* values, long count) {
    double largest = -1.0;
    for (long i = 0; values && i < count; ++i) {
        const double magnitude = std::fabs(values[i]);
        if (magnitude > largest) largest = magnitude;
    }
    return largest;
}

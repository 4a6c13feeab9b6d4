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

Frame frameOf(WSCvdrawingArea* area, const WSDmwindowDev* device) {
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

void line(WSDmwindowDev* device, const Frame& frame, int x1, int y1, int x2, int y2) {
    device->drawLine(
        static_cast<short>(devicePixel(frame, x1)), static_cast<short>(devicePixel(frame, y1)),
        static_cast<short>(devicePixel(frame, x2)), static_cast<short>(devicePixel(frame, y2)));
}

// Every pixel of the frame set white, row by row as the picture is stored: the picture is
// white before any line.
void clearToWhite(WSDmwindowDev* device, const Frame& frame) {
    const unsigned short width = deviceLength(frame.width, frame.ratio);
    const unsigned short height = deviceLength(frame.height, frame.ratio);
    device->beginPixelAccess();
    for (int y = 0; y < height; ++y)
        device->setPixelRun(0, static_cast<unsigned short>(y), width, kFull, kFull, kFull);
    device->endPixelAccess();
}

void beginPass(WSDmwindowDev* device, const Frame& frame) {
    device->beginDraw(0, 0, frame.width, frame.height, kWholePassFlag, kWholePassFlag);
}

void drawVerticalAxis(WSDmwindowDev* device, const Frame& frame) {
    line(device, frame, frame.mx, frame.height - frame.my, frame.mx, frame.my);
}

// Ticks hanging below the bottom axis at every multiple of step_hz strictly between 0 and
// nyquist_hz. The counter is 16-bit like the Nyquist frequency; it stops where it would
// wrap, so a rate near the top of that range cannot loop for ever.
void drawTicks(WSDmwindowDev* device, const Frame& frame, unsigned short nyquist_hz,
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
// s = count / (W − 2mx), at the height y_of(i), both multiplied by the pixel ratio before
// they are truncated. A point that has no coordinates leaves out the two segments that meet
// there.
template <class HeightOf>
void drawSegments(WSDmwindowDev* device, const Frame& frame, long count, HeightOf y_of) {
    const int span = frame.width - 2 * frame.mx;
    if (count < 2 || span <= 0) return;
    const double values_per_pixel = static_cast<double>(count) / span;
    // The points of a block are worked out before its lines are drawn: apart from the
    // line calls, the divisions of a block overlap instead of waiting for each other.
    constexpr long kBlock = 256;
    double xs[kBlock], ys[kBlock];
    short x1 = 0, y1 = 0;
    bool have1 = false;
    for (long first = 0; first < count; first += kBlock) {
        const long n = std::min(kBlock, count - first);
        for (long j = 0; j < n; ++j) {
            xs[j] = pointX(frame.mx, values_per_pixel, first + j);
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

// A curve whose value v sits at y = origin − v/k. Real is the precision in which k and the
// y values are held before they are truncated.
template <class Real, class Value>
void drawCurve(WSCvdrawingArea* area, WSDmwindowDev* device, const Value* values, long count,
               Real maximum, Baseline baseline) {
    if (!area || !device) return;
    const Frame frame = frameOf(area, device);
    beginPass(device, frame);
    const bool centred = baseline == Baseline::centre;
    const Real k = unitsPerPixel(centred ? 2 * maximum : maximum, frame.height - 2 * frame.my);
    const Real origin = centred ? frame.height * Real(0.5) : Real(frame.height - frame.my);
    // A value beyond the scale (−32768 against a maximum of 32767) stops at the frame's
    // edge, so a clipped sample shows where it clips; a non-finite one stays unplaceable.
    const Real top = frame.my, bottom = frame.height - frame.my;
    if (values && k != 0) {
        drawSegments(device, frame, count, [&](long i) -> double {
            const Real y = origin - values[i] / k;
            return std::isfinite(y) ? std::clamp(y, top, bottom) : y;
        });
    }
    device->endDraw();
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
    const Frame frame = frameOf(area, device);
    clearToWhite(device, frame);
    beginPass(device, frame);
    drawVerticalAxis(device, frame);
    const int bottom = frame.height - frame.my;
    line(device, frame, frame.width - frame.mx, bottom, frame.mx, bottom);
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

void drawWave(WSCvdrawingArea* area, WSDmwindowDev* device, const short* values, long count,
              short maximum) {
    drawCurve<float>(area, device, values, count, maximum, Baseline::centre);
}

void drawWave(WSCvdrawingArea* area, WSDmwindowDev* device, const double* values, long count,
              double maximum) {
    drawCurve<double>(area, device, values, count, maximum, Baseline::centre);
}

void drawWavePlus(WSCvdrawingArea* area, WSDmwindowDev* device, const double* values, long count,
                  double maximum) {
    drawCurve<double>(area, device, values, count, maximum, Baseline::bottom);
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

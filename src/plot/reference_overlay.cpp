#include "plot/reference_overlay.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "dsp/dbfs_level.h"
#include "dsp/tone_peaks.h"
#include "plot/cmnDraw.h"
#include "plot/off_screen_view.h"
#include "plot/plot_columns.h"
#include "toolkit/WSDdev.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSwidgets.h"
#include "wave/analysis_state.h"
#include "wave/reference_state.h"

namespace {

constexpr unsigned char kWhite = 255;
// The reference's colour, #f67400.
constexpr unsigned char kReferenceRed = 0xf6, kReferenceGreen = 0x74, kReferenceBlue = 0x00;
constexpr double kDifferenceScaleDb = 40;
constexpr double kDifferenceTickDb = 10;

// The area's geometry in logical pixels, as the plots lay it out, and the device's ratio.
struct OverlayFrame {
    int width, height, mx, my;
    double ratio;
    int top() const { return my; }
    int bottom() const { return height - my; }
    int device(double logical) const { return static_cast<int>(logical * ratio); }
};

// The x of bin i of count, as the view's curve places it. Every point of the overlay is put
// on its column here and nowhere else.
double binX(const OverlayFrame& frame, long i, long count) {
    const PlotColumns columns = plotColumns(static_cast<unsigned short>(frame.width), count);
    return pointX(columns.mx, static_cast<double>(count) / columns.span, i);
}

void whitenInside(WSDdev& device, const OverlayFrame& frame) {
    // Right of the vertical axis, above the bottom axis, up to the right end of the axis.
    const int first = frame.device(frame.mx) + 1, last = frame.device(frame.width - frame.mx);
    for (int y = frame.device(frame.top()); y < frame.device(frame.bottom()); ++y) {
        device.setPixelRun(static_cast<unsigned short>(first), static_cast<unsigned short>(y),
                           static_cast<unsigned short>(std::max(last - first + 1, 0)), kWhite,
                           kWhite, kWhite);
    }
}

// The curve through y_of(i) for i < count, each y clamped into the frame; a point with no
// finite y is left out with both its segments.
template <class HeightOf>
void drawCurve(WSDdev& device, const OverlayFrame& frame, long count, HeightOf y_of) {
    if (frame.width - 2 * frame.mx <= 0) return;
    bool have_previous = false;
    int x1 = 0, y1 = 0;
    for (long i = 0; i < count; ++i) {
        const double y = y_of(i);
        const bool have = std::isfinite(y);
        const int x2 = frame.device(binX(frame, i, count));
        const int y2 = have ? frame.device(std::clamp<double>(y, frame.top(), frame.bottom())) : 0;
        if (have_previous && have) {
            device.drawLine(static_cast<short>(x1), static_cast<short>(y1), static_cast<short>(x2),
                            static_cast<short>(y2));
        }
        x1 = x2;
        y1 = y2;
        have_previous = have;
    }
}

void drawLogPower(WSDdev& device, const OverlayFrame& frame, const double* values, long count,
                  double maximum) {
    // Units per pixel, as the view's own curve divides by them: the larger curve lands on
    // exactly the view's pixels.
    const double k = maximum / (frame.bottom() - frame.top());
    if (!std::isfinite(k) || k == 0) return;
    drawCurve(device, frame, count, [&](long i) { return frame.bottom() - values[i] / k; });
}

void drawDifference(WSDdev& device, const OverlayFrame& frame, long count) {
    const double centre = frame.height / 2;
    const double pixels_per_db = (frame.bottom() - frame.top()) / (2 * kDifferenceScaleDb);
    device.drawLine(static_cast<short>(frame.device(frame.mx)),
                    static_cast<short>(frame.device(centre)),
                    static_cast<short>(frame.device(frame.width - frame.mx)),
                    static_cast<short>(frame.device(centre)));
    for (double db = -kDifferenceScaleDb + kDifferenceTickDb; db < kDifferenceScaleDb;
         db += kDifferenceTickDb) {
        const short y = static_cast<short>(frame.device(centre - db * pixels_per_db));
        device.drawLine(static_cast<short>(frame.device(frame.mx - frame.mx / 2)), y,
                        static_cast<short>(frame.device(frame.mx)), y);
    }
    const std::vector<double>& reference = heldReference->log_power;
    device.setForeColor(kReferenceRed, kReferenceGreen, kReferenceBlue);
    drawCurve(device, frame, count, [&](long i) {
        const double db = binLevelDifferenceDb(binPower(power[i]), binPower(reference[i]), selsize);
        // ±∞ lies beyond the scale like any large difference, at its edge.
        return centre - std::clamp(db, -kDifferenceScaleDb, kDifferenceScaleDb) * pixels_per_db;
    });
}

}  // namespace

void paintReferenceOverlay(WSCbase* power_area) {
    WSCvdrawingArea* area = asDrawingArea(power_area);
    if (!heldReference || !area || !area->getdev()) return;
    WSDdev& device = *area->getdev();
    const unsigned short width = area->getProperty(_WSNwidth());
    const unsigned short height = area->getProperty(_WSNheight());
    const OverlayFrame frame = {width, height, 3 * width / 100, 3 * height / 100,
                                device.pixelRatio()};
    const long bins = selsize / 2;
    const bool current = seliii && power;
    const bool reference = heldReference->log_power.size() == static_cast<std::size_t>(bins);

    device.beginPixelAccess();
    whitenInside(device, frame);
    device.endPixelAccess();
    device.beginDraw(0, 0, width, height, 1, 1);
    if (differenceShown) {
        if (current && reference) drawDifference(device, frame, bins);
    } else {
        const double maximum =
            std::max(current ? findMax(power, bins) : 0,
                     reference ? findMax(heldReference->log_power.data(), bins) : 0);
        if (current) drawLogPower(device, frame, power, bins, maximum);
        device.setForeColor(kReferenceRed, kReferenceGreen, kReferenceBlue);
        if (reference) drawLogPower(device, frame, heldReference->log_power.data(), bins, maximum);
    }
    device.setForeColor(0, 0, 0);
    device.endDraw();
}

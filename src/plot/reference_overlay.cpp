#include "plot/reference_overlay.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "dsp/dbfs_level.h"
#include "plot/cmnDraw.h"
#include "plot/frequency_view.h"
#include "plot/off_screen_view.h"
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

void whitenInside(WSDdev& device, const OverlayFrame& frame) {
    // Right of the vertical axis, above the bottom axis, up to the right end of the axis.
    const int first = frame.device(frame.mx) + 1, last = frame.device(frame.width - frame.mx);
    for (int y = frame.device(frame.top()); y < frame.device(frame.bottom()); ++y) {
        device.setPixelRun(static_cast<unsigned short>(first), static_cast<unsigned short>(y),
                           static_cast<unsigned short>(std::max(last - first + 1, 0)), kWhite,
                           kWhite, kWhite);
    }
}

void useReferenceColour(WSDdev& device) {
    device.setForeColor(kReferenceRed, kReferenceGreen, kReferenceBlue);
}

// The centre line at 0 dB and the ticks every 10 dB left of the vertical axis, then the
// current level above the reference's at each bin, beyond ±40 dB (±∞ too) at the scale's edge.
void drawDifference(WSCvdrawingArea* area, WSDdev& device, const OverlayFrame& frame, long bins) {
    const double centre = frame.height / 2;
    const double pixels_per_db = (frame.bottom() - frame.top()) / (2 * kDifferenceScaleDb);
    device.beginDraw(0, 0, static_cast<unsigned short>(frame.width),
                     static_cast<unsigned short>(frame.height), 1, 1);
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
    device.endDraw();
    std::vector<double> difference = levelDifferencesDb(
        std::span(power, static_cast<std::size_t>(bins)), heldReference->log_power);
    for (double& db : difference) db = std::clamp(db, -kDifferenceScaleDb, kDifferenceScaleDb);
    useReferenceColour(device);
    drawShownSpectrum(area, &device, difference.data(), bins, kDifferenceScaleDb,
                      SpectrumCurve::centred, power);
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
    if (differenceShown) {
        if (current && reference) drawDifference(area, device, frame, bins);
    } else {
        const double* reference_power = heldReference->log_power.data();
        const double maximum = std::max(current ? peakShown(area, power, bins) : 0,
                                        reference ? peakShown(area, reference_power, bins) : 0);
        if (current)
            drawShownSpectrum(area, &device, power, bins, maximum, SpectrumCurve::rising, power);
        useReferenceColour(device);
        if (reference) {
            drawShownSpectrum(area, &device, reference_power, bins, maximum, SpectrumCurve::rising,
                              reference_power);
        }
    }
    device.setForeColor(0, 0, 0);
}

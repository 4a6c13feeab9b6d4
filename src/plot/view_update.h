#pragma once

#include <functional>

class WSCvdrawingArea;
class WSDmwindowDev;

// The four plots of the window.
enum class PlotView {
    wave = 1,     // the whole wave, area newvdra_001, device mdev
    segment = 2,  // the current segment, newvdra_002, mdev2
    power = 3,    // the power spectrum, newvdra_000, mdev3
    phase = 4,    // the phase spectrum, newvdra_003, mdev4
};

// Draws a view's content over its fresh scale, given the area (whose size sets the
// geometry) and the view's device.
using ViewContent = std::function<void(WSCvdrawingArea* area, WSDmwindowDev* device)>;

// Redraws one view and shows it: looks the area up by class and instance name (nothing
// happens when it is missing), creates or sizes the view's device to fit the area, draws
// the view's scale (the power view's with the current sampleFreq), then content (may be
// empty), and runs the area's expose procedures, which copy the picture to the window.
void updateView(PlotView view, const ViewContent& content);

// The power view's scale: the frequency axis for the loaded wave's sampling rate, over the
// shown axis's range, and the numbers under its ticks as the area's overlay. They are
// written when the axis is zoomed or logarithmic, or the window is taller than its least
// height (below that, at the size the plots were designed for, they do not fit), and once a
// rate is known.
void drawPowerScale(WSCvdrawingArea* area, WSDmwindowDev* device);

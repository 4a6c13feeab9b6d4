#include "handlers/frequency_zoom.h"

#include <cmath>
#include <optional>

#include "handlers/keyboard_reading.h"
#include "handlers/pointer_readouts.h"
#include "handlers/segment_views.h"
#include "names/window_names.h"
#include "plot/frequency_view.h"
#include "plot/off_screen_view.h"
#include "toolkit/toolkit.h"

namespace {

// A wheel's notch, or a key, zooms by this much.
constexpr double kZoomPerStep = 1.25;

double pan_from_hz = 0;  // the frequency a pan holds under the pointer

bool analysisKnown() {
    const SpectrumGrid grid = shownGrid();
    return grid.rate_hz > 0 && grid.size > 0;
}

unsigned short widthOf(const WSCvdrawingArea* area) {
    return area->getProperty(_WSNwidth());
}

void show(const FrequencyAxis& axis) {
    if (axis == shownAxis()) return;
    setShownAxis(axis);
    redrawSpectrumViews();
    followSegment();
}

void zoomAt(const WSCvdrawingArea* area, double x, double steps) {
    if (!analysisKnown()) return;
    show(zoomedAxis(shownAxis(), shownGrid(), widthOf(area), x, std::pow(kZoomPerStep, steps)));
}

WSCvdrawingArea* spectrumArea(const char* name) {
    return asDrawingArea(WSGIappObjectList()->getInstance("WSCvdrawingArea", name));
}

}  // namespace

void zoomAtPointer(WSCvdrawingArea* area) {
    zoomAt(area, area->pointer().x, area->wheelSteps());
}

bool zoomKey(const std::string& key) {
    if (key != "Plus" && key != "Minus") return false;
    const double steps = key == "Plus" ? 1 : -1;
    WSCvdrawingArea* power_area = spectrumArea(names::kPowerArea);
    for (WSCvdrawingArea* area : {power_area, spectrumArea(names::kPhaseArea)}) {
        if (area && area->pointer().inside) {
            zoomAt(area, area->pointer().x, steps);
            return true;
        }
    }
    if (!power_area || !analysisKnown()) return true;
    const std::optional<long> bin = keyboardReadingBin();
    const PlotColumns columns = shownColumns(widthOf(power_area));
    zoomAt(power_area, bin ? pointX(columns, double(*bin)) : columns.mx + columns.span / 2.0,
           steps);
    return true;
}

void beginPan(WSCvdrawingArea* area) {
    if (analysisKnown())
        pan_from_hz = frequencyAt(shownAxis(), shownGrid(), widthOf(area), area->pointer().x);
}

void followPan(WSCvdrawingArea* area) {
    if (analysisKnown())
        show(pannedAxis(shownAxis(), shownGrid(), widthOf(area), pan_from_hz, area->pointer().x));
}

void showAllFrequencies() {
    show({shownAxis().logarithmic, false, 0, 0});
}

void showLogarithmicAxis(bool logarithmic) {
    show({logarithmic, false, 0, 0});
}

bool logarithmicAxisShown() {
    return shownAxis().logarithmic;
}

void showFrequencyRange(bool logarithmic, double low_hz, double high_hz) {
    if (analysisKnown()) show(axisShowing(logarithmic, {low_hz, high_hz}, shownGrid()));
}

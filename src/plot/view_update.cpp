#include "plot/view_update.h"

#include "names/window_names.h"
#include "plot/cmnDraw.h"
#include "plot/frequency_view.h"
#include "plot/off_screen_view.h"
#include "plot/view_devices.h"
#include "toolkit/WSCobjectList.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSaxisLabels.h"
#include "toolkit/WSevents.h"
#include "toolkit/WSwidgets.h"
#include "wave/analysis_state.h"

namespace {

struct ViewParts {
    const char* area_name;
    WSDmwindowDev*& device;
    ScaleRoutine draw_scale;
};

ViewParts partsOf(PlotView view) {
    switch (view) {
        case PlotView::wave:
            return {names::kWholeWaveArea, mdev, drawScale};
        case PlotView::segment:
            return {names::kSegmentArea, mdev2, drawScale};
        case PlotView::power:
            return {names::kPowerArea, mdev3, drawPowerScale};
        case PlotView::phase:
            break;
    }
    return {names::kPhaseArea, mdev4, drawScale};
}

}  // namespace

namespace {

bool windowTallerThanLeast() {
    const WSCbase* window = WSGIappObjectList()->getInstance("WSCmainWindow", names::kMainWindow);
    return window && static_cast<unsigned short>(window->getProperty(_WSNheight())) >
                         names::kLeastWindowHeight;
}

// The labelled frequencies' numbers, each at the column of its tick.
WSaxisLabels frequencyLabels(WSCvdrawingArea* area, const std::vector<double>& frequencies_hz) {
    const SpectrumGrid grid = shownGrid();
    const unsigned short width = area->getProperty(_WSNwidth());
    const unsigned short height = area->getProperty(_WSNheight());
    const PlotColumns columns = shownColumns(width);
    WSaxisLabels labels{columns.mx, columns.mx + columns.span, height - 3 * height / 100, {}};
    for (const double hz : frequencies_hz)
        labels.labels.push_back(
            {static_cast<int>(pointX(columns, binAt(hz, grid))), frequencyLabel(hz)});
    return labels;
}

}  // namespace

void drawPowerScale(WSCvdrawingArea* area, WSDmwindowDev* device) {
    const FrequencyAxis& axis = shownAxis();
    const SpectrumGrid grid = shownGrid();
    const bool known = grid.rate_hz > 0 && grid.size > 0;
    std::vector<double> labelled;
    if (known) labelled = labelledFrequencies(axis, grid);
    if (!known || drawnAsDesigned(axis)) {
        drawScalePlus(area, device, sampleFreq);
    } else {
        std::vector<double> ticks;
        for (const double hz : labelled) ticks.push_back(binAt(hz, grid));
        drawScalePlus(area, device, grid.size / 2, binRange(axis, grid), ticks);
    }
    const bool labels_shown = known && (!drawnAsDesigned(axis) || windowTallerThanLeast());
    const std::string text =
        labels_shown ? axisLabelsText(frequencyLabels(area, labelled)) : std::string();
    if (area->getProperty(_WSNoverlayLabels()).text() != text)
        area->setPropertyV(_WSNoverlayLabels(), text.c_str());
}

void updateView(PlotView view, const ViewContent& content) {
    const ViewParts parts = partsOf(view);
    WSCbase* object = WSGIappObjectList()->getInstance("WSCvdrawingArea", parts.area_name);
    if (!object) return;
    if (WSCvdrawingArea* area = asDrawingArea(object)) {
        WSDmwindowDev* device = viewDevice(area, parts.device);
        parts.draw_scale(area, device);
        if (content) content(area, device);
    }
    object->execProcedure(WSEV_EXPOSE);
}

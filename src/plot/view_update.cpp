#include "plot/view_update.h"

#include "names/window_names.h"
#include "plot/cmnDraw.h"
#include "plot/off_screen_view.h"
#include "plot/view_devices.h"
#include "toolkit/WSCobjectList.h"
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

void drawPowerScale(WSCvdrawingArea* area, WSDmwindowDev* device) {
    drawScalePlus(area, device, sampleFreq);
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

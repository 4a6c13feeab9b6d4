#include "handlers/segment_fit_notice.h"

#include "handlers/bin_reading_display.h"
#include "handlers/pointer_display.h"
#include "handlers/wave_readout.h"
#include "names/window_names.h"
#include "plot/view_update.h"
#include "wave/analysis_state.h"

void showSegmentFitNotice(bool has_segment) {
    const std::string reason = has_segment ? std::string() : noSegmentReason(maxsize, selsize);
    if (!has_segment) {
        for (const PlotView view : {PlotView::segment, PlotView::power, PlotView::phase})
            updateView(view, {});
        showSpectrumReading(std::nullopt);
    }
    for (const char* area : {names::kSegmentArea, names::kPowerArea, names::kPhaseArea})
        showAreaTooltip(area, reason);
}

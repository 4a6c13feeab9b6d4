#include "handlers/size_change.h"

#include <algorithm>

#include "handlers/position_controls.h"
#include "handlers/reference_hold.h"
#include "handlers/segment_analysis.h"
#include "handlers/segment_buffers.h"
#include "handlers/segment_fit_notice.h"
#include "handlers/segment_views.h"
#include "names/window_names.h"
#include "plot/frequency_view.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

namespace {

// Only the combo box's four sizes reach the analysis: any other text gives the default,
// as text that is no number does.
long chosenSize() {
    WSCbase* combo = WSGIappObjectList()->getInstance("WSCcomboBox", names::kSizeBox);
    const long size = combo ? readLongProperty(combo, _WSNlabelString(), names::kDefaultSegmentSize)
                            : names::kDefaultSegmentSize;
    return std::ranges::find(names::kSegmentSizes, size) != names::kSegmentSizes.end()
               ? size
               : names::kDefaultSegmentSize;
}

}  // namespace

void changeSegmentSize(WaveView wave_view, long slider_event) {
    // Another file or size: the spectra are shown whole again, as designed.
    setShownAxis({});
    releaseSegment();
    selsize = chosenSize();
    refitReference();
    const bool has_segment = makeSegmentAtStart();
    const short peak = wholeWavePeak();
    if (wave_view == WaveView::redraw) drawWaveView(peak);
    if (has_segment) {
        drawSegmentView(peak);
        remakeSpectrumBuffers();
        drawSpectrumViews(computeSpectrum());
    }
    showSegmentFitNotice(has_segment);
    resetSliderRange(slider_event);
}

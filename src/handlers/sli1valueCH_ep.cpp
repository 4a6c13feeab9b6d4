#include "handlers/control_callbacks.h"
#include "handlers/position_controls.h"
#include "handlers/segment_analysis.h"
#include "handlers/segment_views.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

// Follows every movement of the slider cheaply: the segment and its label only; the
// spectra wait for the end of the gesture.
void sli1valueCH_ep(WSCbase* object) {
    if (!siii || !seliii) return;
    WSCbase* slider = object->cast("WSCvslider");
    if (!slider) return;
    const long position = readPosition(slider);
    fillSegment(position);
    const short peak = wholeWavePeak();
    updatePositionLabel(position);
    drawSegmentView(peak);
}

static WSCfunctionRegister op("sli1valueCH_ep", (void*)sli1valueCH_ep);

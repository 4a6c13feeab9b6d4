#include "handlers/control_callbacks.h"
#include "handlers/position_controls.h"
#include "handlers/segment_analysis.h"
#include "handlers/segment_views.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

// At the end of a slider gesture: the segment is taken again from the slider's value, so
// the spectra always belong to where the slider stands.
void sli1act_ep(WSCbase* object) {
    if (!siii || !seliii) return;
    WSCbase* slider = object->cast("WSCvslider");
    if (!slider) return;
    fillSegment(readPosition(slider));
    drawSpectrumViews(computeSpectrum());
}

static WSCfunctionRegister op("sli1act_ep", (void*)sli1act_ep);

#include "handlers/control_callbacks.h"
#include "handlers/size_change.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

// A new size takes effect now when a wave is loaded, else at the next load, which reads
// the combo box's text.
void combo1act_ep(WSCbase*) {
    if (!siii) return;
    changeSegmentSize(WaveView::keep, WSEV_VALUE_CHANGE);
}

static WSCfunctionRegister op("combo1act_ep", (void*)combo1act_ep);

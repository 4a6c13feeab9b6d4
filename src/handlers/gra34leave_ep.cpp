#include "handlers/pointer_callbacks.h"
#include "handlers/pointer_display.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

void gra34leave_ep(WSCbase*) {
    showPlainCaptions();
    // Without a segment the plots keep the tooltip that says why there is none.
    if (seliii) showSpectrumTooltips("");
}

static WSCfunctionRegister op("gra34leave_ep", (void*)gra34leave_ep);

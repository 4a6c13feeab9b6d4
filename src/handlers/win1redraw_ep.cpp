#include "handlers/control_callbacks.h"
#include "handlers/pointer_readouts.h"
#include "handlers/segment_views.h"
#include "toolkit/toolkit.h"

void win1redraw_ep(WSCbase*) {
    redrawViews();
    followSegment();
}

static WSCfunctionRegister op("win1redraw_ep", (void*)win1redraw_ep);

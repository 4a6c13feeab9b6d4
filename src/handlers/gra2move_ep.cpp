#include "handlers/pointer_callbacks.h"
#include "handlers/pointer_readouts.h"
#include "plot/off_screen_view.h"
#include "toolkit/toolkit.h"

void gra2move_ep(WSCbase* object) {
    if (WSCvdrawingArea* area = asDrawingArea(object)) readOutSegment(area);
}

static WSCfunctionRegister op("gra2move_ep", (void*)gra2move_ep);

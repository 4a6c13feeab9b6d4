#include "handlers/frequency_zoom.h"
#include "handlers/pointer_callbacks.h"
#include "plot/off_screen_view.h"
#include "toolkit/toolkit.h"

void gra34pan_ep(WSCbase* object) {
    if (WSCvdrawingArea* area = asDrawingArea(object)) beginPan(area);
}

static WSCfunctionRegister op("gra34pan_ep", (void*)gra34pan_ep);

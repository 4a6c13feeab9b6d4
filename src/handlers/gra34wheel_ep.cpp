#include "handlers/frequency_zoom.h"
#include "handlers/pointer_callbacks.h"
#include "plot/off_screen_view.h"
#include "toolkit/toolkit.h"

void gra34wheel_ep(WSCbase* object) {
    if (WSCvdrawingArea* area = asDrawingArea(object)) zoomAtPointer(area);
}

static WSCfunctionRegister op("gra34wheel_ep", (void*)gra34wheel_ep);

#include "handlers/frequency_zoom.h"
#include "handlers/pointer_callbacks.h"
#include "handlers/pointer_readouts.h"
#include "plot/off_screen_view.h"
#include "toolkit/toolkit.h"

void gra34move_ep(WSCbase* object) {
    WSCvdrawingArea* area = asDrawingArea(object);
    if (!area) return;
    if (area->pointer().panning) followPan(area);
    readOutSpectrum(area);
}

static WSCfunctionRegister op("gra34move_ep", (void*)gra34move_ep);

#include "plot/off_screen_view.h"
#include "plot/reference_overlay.h"
#include "plot/view_callbacks.h"
#include "plot/view_devices.h"
#include "toolkit/toolkit.h"

void gra3expose_ep(WSCbase* object) {
    exposeView(object, mdev3);
    paintReferenceOverlay(object);
}

static WSCfunctionRegister op("gra3expose_ep", (void*)gra3expose_ep);

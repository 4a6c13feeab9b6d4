#include "plot/off_screen_view.h"
#include "plot/view_callbacks.h"
#include "plot/view_devices.h"
#include "toolkit/toolkit.h"

void gra2Expose_ep(WSCbase* object) {
    exposeView(object, mdev2);
}

static WSCfunctionRegister op("gra2Expose_ep", (void*)gra2Expose_ep);

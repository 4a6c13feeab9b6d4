#include "plot/off_screen_view.h"
#include "plot/view_callbacks.h"
#include "plot/view_devices.h"
#include "toolkit/toolkit.h"

void gra1Expose_ep(WSCbase* object) {
    exposeView(object, mdev);
}

static WSCfunctionRegister op("gra1Expose_ep", (void*)gra1Expose_ep);

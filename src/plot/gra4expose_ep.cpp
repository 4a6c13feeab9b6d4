#include "plot/off_screen_view.h"
#include "plot/view_callbacks.h"
#include "plot/view_devices.h"
#include "toolkit/toolkit.h"

void gra4expose_ep(WSCbase* object) {
    exposeView(object, mdev4);
}

static WSCfunctionRegister op("gra4expose_ep", (void*)gra4expose_ep);

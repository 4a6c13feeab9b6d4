#include "plot/off_screen_view.h"
#include "plot/view_callbacks.h"
#include "plot/view_devices.h"
#include "plot/view_update.h"
#include "toolkit/toolkit.h"

WSDmwindowDev* mdev3 = nullptr;

void gra3init_ep(WSCbase* object) {
    initView(object, mdev3, drawPowerScale);
}

static WSCfunctionRegister op("gra3init_ep", (void*)gra3init_ep);

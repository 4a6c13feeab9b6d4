#include "plot/cmnDraw.h"
#include "plot/off_screen_view.h"
#include "plot/view_callbacks.h"
#include "plot/view_devices.h"
#include "toolkit/toolkit.h"

WSDmwindowDev* mdev2 = nullptr;

void gra2Init_ep(WSCbase* object) {
    initView(object, mdev2, drawScale);
}

static WSCfunctionRegister op("gra2Init_ep", (void*)gra2Init_ep);

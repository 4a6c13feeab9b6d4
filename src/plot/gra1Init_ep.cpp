#include "plot/cmnDraw.h"
#include "plot/off_screen_view.h"
#include "plot/view_callbacks.h"
#include "plot/view_devices.h"
#include "toolkit/toolkit.h"

WSDmwindowDev* mdev = nullptr;

void gra1Init_ep(WSCbase* object) {
    initView(object, mdev, drawScale);
}

static WSCfunctionRegister op("gra1Init_ep", (void*)gra1Init_ep);

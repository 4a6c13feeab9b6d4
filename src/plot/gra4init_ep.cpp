#include "plot/cmnDraw.h"
#include "plot/off_screen_view.h"
#include "plot/view_callbacks.h"
#include "plot/view_devices.h"
#include "toolkit/toolkit.h"

WSDmwindowDev* mdev4 = nullptr;

void gra4init_ep(WSCbase* object) {
    initView(object, mdev4, drawScale);
}

static WSCfunctionRegister op("gra4init_ep", (void*)gra4init_ep);

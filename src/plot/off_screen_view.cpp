#include "plot/off_screen_view.h"

#include "toolkit/WSDdev.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSevents.h"
#include "toolkit/WSwidgets.h"

WSCvdrawingArea* asDrawingArea(WSCbase* object) {
    // The toolkit's class-name check first; the C++ check keeps the downcast safe even for
    // an object that merely carries the class name.
    return object ? dynamic_cast<WSCvdrawingArea*>(object->cast("WSCvdrawingArea")) : nullptr;
}

WSDmwindowDev* viewDevice(WSCvdrawingArea* area, WSDmwindowDev*& slot, bool* blank) {
    const unsigned short width = area->getProperty(_WSNwidth());
    const unsigned short height = area->getProperty(_WSNheight());
    const double ratio = area->pixelRatio();
    const bool sized = slot && slot->hasSize(width, height, ratio);
    if (blank) *blank = !sized;
    if (sized) return slot;
    if (!slot) slot = WSDmwindowDev::getNewInstance();
    slot->setSize(width, height, ratio);
    return slot;
}

void initView(WSCbase* object, WSDmwindowDev*& slot, ScaleRoutine draw_scale) {
    if (WSCvdrawingArea* area = asDrawingArea(object)) {
        bool blank = false;
        WSDmwindowDev* device = viewDevice(area, slot, &blank);
        if (blank && draw_scale) draw_scale(area, device);
    }
    if (object) object->execProcedure(WSEV_EXPOSE);
}

void exposeView(WSCbase* object, const WSDmwindowDev* device) {
    WSCvdrawingArea* area = asDrawingArea(object);
    if (!area) return;
    WSDdev* window = area->getdev();
    if (!device) return;
    unsigned short width = 0, height = 0;
    device->getGeometry(width, height);
    device->copyImage(window, 0, 0, width, height, 0, 0);
}

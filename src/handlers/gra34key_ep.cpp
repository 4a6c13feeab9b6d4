#include "handlers/keyboard_reading.h"
#include "handlers/pointer_callbacks.h"
#include "plot/off_screen_view.h"
#include "toolkit/toolkit.h"

void gra34key_ep(WSCbase* object) {
    if (WSCvdrawingArea* area = asDrawingArea(object)) moveKeyboardReading(area->key());
}

static WSCfunctionRegister op("gra34key_ep", (void*)gra34key_ep);

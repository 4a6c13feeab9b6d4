#include "handlers/control_callbacks.h"
#include "handlers/frequency_zoom.h"
#include "toolkit/toolkit.h"

void win1key_ep(WSCbase* object) {
    if (object) zoomKey(object->key());
}

static WSCfunctionRegister op("win1key_ep", (void*)win1key_ep);

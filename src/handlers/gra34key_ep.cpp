#include "handlers/frequency_zoom.h"
#include "handlers/keyboard_reading.h"
#include "handlers/pointer_callbacks.h"
#include "toolkit/toolkit.h"

void gra34key_ep(WSCbase* object) {
    if (object && !zoomKey(object->key())) moveKeyboardReading(object->key());
}

static WSCfunctionRegister op("gra34key_ep", (void*)gra34key_ep);

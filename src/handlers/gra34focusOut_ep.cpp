#include "handlers/keyboard_reading.h"
#include "handlers/pointer_callbacks.h"
#include "toolkit/toolkit.h"

void gra34focusOut_ep(WSCbase*) {
    hideKeyboardReading();
}

static WSCfunctionRegister op("gra34focusOut_ep", (void*)gra34focusOut_ep);

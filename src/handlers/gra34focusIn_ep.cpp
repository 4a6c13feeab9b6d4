#include "handlers/keyboard_reading.h"
#include "handlers/pointer_callbacks.h"
#include "toolkit/toolkit.h"

void gra34focusIn_ep(WSCbase*) {
    showKeyboardReading();
}

static WSCfunctionRegister op("gra34focusIn_ep", (void*)gra34focusIn_ep);

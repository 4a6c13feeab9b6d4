#include "handlers/pointer_callbacks.h"
#include "handlers/pointer_display.h"
#include "toolkit/toolkit.h"

void specLeave_ep(WSCbase*) {
    showPlainCaptions();
}

static WSCfunctionRegister op("specLeave_ep", (void*)specLeave_ep);

#include "handlers/pointer_callbacks.h"
#include "handlers/pointer_display.h"
#include "toolkit/toolkit.h"

void gra34leave_ep(WSCbase*) {
    showPlainCaptions();
}

static WSCfunctionRegister op("gra34leave_ep", (void*)gra34leave_ep);

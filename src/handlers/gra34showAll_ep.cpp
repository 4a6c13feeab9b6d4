#include "handlers/frequency_zoom.h"
#include "handlers/pointer_callbacks.h"
#include "toolkit/toolkit.h"

void gra34showAll_ep(WSCbase*) {
    showAllFrequencies();
}

static WSCfunctionRegister op("gra34showAll_ep", (void*)gra34showAll_ep);

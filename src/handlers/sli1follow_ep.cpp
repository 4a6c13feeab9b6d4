#include "handlers/pointer_callbacks.h"
#include "handlers/pointer_readouts.h"
#include "toolkit/toolkit.h"

void sli1follow_ep(WSCbase*) {
    followSegment();
}

static WSCfunctionRegister op("sli1follow_ep", (void*)sli1follow_ep);

#include "handlers/control_callbacks.h"
#include "handlers/position_step.h"
#include "toolkit/toolkit.h"

void btn1act_ep(WSCbase*) {
    stepPosition(-1);
}

static WSCfunctionRegister op("btn1act_ep", (void*)btn1act_ep);

#include "handlers/control_callbacks.h"
#include "handlers/position_step.h"
#include "toolkit/toolkit.h"

void btn2act_ep(WSCbase*) {
    stepPosition(+1);
}

static WSCfunctionRegister op("btn2act_ep", (void*)btn2act_ep);

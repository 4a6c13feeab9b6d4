#include "handlers/control_callbacks.h"

#include "toolkit/toolkit.h"

void btn1act_ep(WSCbase*) {}

static WSCfunctionRegister op("btn1act_ep", (void*)btn1act_ep);

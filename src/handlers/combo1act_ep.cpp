#include "handlers/control_callbacks.h"

#include "toolkit/toolkit.h"

void combo1act_ep(WSCbase*) {}

static WSCfunctionRegister op("combo1act_ep", (void*)combo1act_ep);

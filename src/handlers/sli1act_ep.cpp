#include "handlers/control_callbacks.h"

#include "toolkit/toolkit.h"

void sli1act_ep(WSCbase*) {}

static WSCfunctionRegister op("sli1act_ep", (void*)sli1act_ep);

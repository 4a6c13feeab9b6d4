#include "wave/wave1act_ep.h"

#include "toolkit/toolkit.h"

void wave1act_ep(WSCbase*) {}

static WSCfunctionRegister op("wave1act_ep", (void*)wave1act_ep);

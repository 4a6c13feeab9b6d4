#include "handlers/control_callbacks.h"

#include "toolkit/toolkit.h"

void btn2act_ep(WSCbase*) {}

static WSCfunctionRegister op("btn2act_ep", (void*)btn2act_ep);

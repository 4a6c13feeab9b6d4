#include "handlers/control_callbacks.h"

#include "toolkit/toolkit.h"

void sli1valueCH_ep(WSCbase*) {}

static WSCfunctionRegister op("sli1valueCH_ep", (void*)sli1valueCH_ep);

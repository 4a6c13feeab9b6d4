#include "plot/view_callbacks.h"

#include "toolkit/toolkit.h"

void gra2Expose_ep(WSCbase*) {}

static WSCfunctionRegister op("gra2Expose_ep", (void*)gra2Expose_ep);

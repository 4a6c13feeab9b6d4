#include "plot/view_callbacks.h"

#include "toolkit/toolkit.h"

void gra1Expose_ep(WSCbase*) {}

static WSCfunctionRegister op("gra1Expose_ep", (void*)gra1Expose_ep);

#include "plot/view_callbacks.h"

#include "toolkit/toolkit.h"

void gra4expose_ep(WSCbase*) {}

static WSCfunctionRegister op("gra4expose_ep", (void*)gra4expose_ep);

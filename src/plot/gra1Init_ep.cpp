#include "plot/view_callbacks.h"

#include "toolkit/toolkit.h"

void gra1Init_ep(WSCbase*) {}

static WSCfunctionRegister op("gra1Init_ep", (void*)gra1Init_ep);

#include "plot/view_callbacks.h"

#include "toolkit/toolkit.h"

void gra2Init_ep(WSCbase*) {}

static WSCfunctionRegister op("gra2Init_ep", (void*)gra2Init_ep);

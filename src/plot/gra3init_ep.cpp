#include "plot/view_callbacks.h"

#include "toolkit/toolkit.h"

void gra3init_ep(WSCbase*) {}

static WSCfunctionRegister op("gra3init_ep", (void*)gra3init_ep);

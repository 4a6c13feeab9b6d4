#include "plot/view_callbacks.h"

#include "toolkit/toolkit.h"

void gra3expose_ep(WSCbase*) {}

static WSCfunctionRegister op("gra3expose_ep", (void*)gra3expose_ep);

#include "plot/view_callbacks.h"

#include "toolkit/toolkit.h"

void gra4init_ep(WSCbase*) {}

static WSCfunctionRegister op("gra4init_ep", (void*)gra4init_ep);

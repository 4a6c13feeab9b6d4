#pragma once

class WSCbase;

// The "select WAVE" button's activate callback: choose a file, read it, show it.
void wave1act_ep(WSCbase* object);

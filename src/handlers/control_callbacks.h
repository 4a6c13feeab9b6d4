#pragma once

class WSCbase;

// Callbacks of the "select WAVE" button, the position slider, the size combo box, the
// two step buttons and the main window's resize.
void wave1act_ep(WSCbase* object);
void sli1valueCH_ep(WSCbase* object);
void sli1act_ep(WSCbase* object);
void combo1act_ep(WSCbase* object);
void btn1act_ep(WSCbase* object);
void btn2act_ep(WSCbase* object);
// The window took another size or pixel ratio, its widgets placed for it: every plot is
// drawn again at its area's size, and the band and the readouts follow the new geometry.
void win1redraw_ep(WSCbase* object);
// A key that no widget of the window took: + and − zoom the spectra.
void win1key_ep(WSCbase* object);

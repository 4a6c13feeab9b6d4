#pragma once

class WSCbase;

// Callbacks of the "select WAVE" button, the position slider, the size combo box and the
// two step buttons.
void wave1act_ep(WSCbase* object);
void sli1valueCH_ep(WSCbase* object);
void sli1act_ep(WSCbase* object);
void combo1act_ep(WSCbase* object);
void btn1act_ep(WSCbase* object);
void btn2act_ep(WSCbase* object);

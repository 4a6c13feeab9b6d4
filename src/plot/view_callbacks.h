#pragma once

class WSCbase;

// Initialise (event 0) and expose (event 9) callbacks of the four plot areas.
void gra1Init_ep(WSCbase* object);
void gra1Expose_ep(WSCbase* object);
void gra2Init_ep(WSCbase* object);
void gra2Expose_ep(WSCbase* object);
void gra3init_ep(WSCbase* object);
void gra3expose_ep(WSCbase* object);
void gra4init_ep(WSCbase* object);
void gra4expose_ep(WSCbase* object);

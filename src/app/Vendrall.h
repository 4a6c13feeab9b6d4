#pragma once

// The start-up tables handed to the toolkit: cursor descriptions (one used, then nulls)
// and font descriptions (eight used, then nulls).
extern const char* mou[8];
extern const char* fon[16];

void _font_init_();
void _mouse_init_();

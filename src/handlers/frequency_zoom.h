#pragma once

#include <string>

class WSCvdrawingArea;

// What the user does to the frequency axis that the power and phase plots share. Each
// action draws both plots again over the new axis, and the readouts follow it; nothing
// happens before a file is loaded.

// The wheel turned over a spectrum plot (the area's wheelSteps(), positive zooms in): zooms
// about the frequency under the pointer, which stays under it.
void zoomAtPointer(WSCvdrawingArea* area);
// A key of the window or of a focused spectrum plot: "Plus" zooms in a step, "Minus" out,
// about the frequency under the pointer when it rests on a spectrum plot, else about the bin
// the keys read on the focused one, else about the middle of the range. False for any other
// key.
bool zoomKey(const std::string& key);

// A pan begins where the pointer pressed on a spectrum plot; as the pointer moves on, the
// frequency it took stays under it.
void beginPan(WSCvdrawingArea* area);
void followPan(WSCvdrawingArea* area);

// The whole axis again, linear or logarithmic as it is.
void showAllFrequencies();
// The logarithmic axis, from bin 1 to half the rate, or the whole linear one.
void showLogarithmicAxis(bool logarithmic);
bool logarithmicAxisShown();
// The range low_hz … high_hz, within the whole axis, as a saved picture showed it.
void showFrequencyRange(bool logarithmic, double low_hz, double high_hz);

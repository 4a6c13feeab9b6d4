#pragma once

#include "toolkit/WSCvariant.h"

class WSCbase;

// Numbers travel through widget properties as decimal text: written with "%ld", read
// back as "%ld" reads them (leadingWholeNumber).

// The number as the text a property holds.
WSCvariant decimalText(long value);

// The property read as a number, or fallback when its text is not one.
long readLongProperty(WSCbase* widget, const char* name, long fallback);

// The position slider, or null when it is missing or no slider.
WSCbase* findPositionSlider();

// The slider's value as a position in the wave; a value below 0 counts as 0.
long readPosition(WSCbase* slider);
// The position slider's position, 0 when the slider is missing.
long sliderPosition();

// Shows the position, as a bare number, in the position label (skipped when missing).
void updatePositionLabel(long position_samples);

// Sets the slider to span 0 … maxsize − N with a drag interval of a fiftieth of that,
// puts it back to its minimum, then raises event on it (3 runs the value-change
// callback at once; 9 only repaints). Skipped when the slider is missing.
void resetSliderRange(long event);

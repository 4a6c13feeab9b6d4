#pragma once

#include <string>

// The reference the window compares the analysed segment with: held from the segment shown,
// or opened from another file at a position the user gives; analysed again at every size;
// dropped by the user only. Each change shows at once over the power plot and in the whole
// wave's band for it.

// Whether the segment shown can be held: a wave is loaded and a segment fits it.
bool referenceCanBeHeld();
// Holds the segment shown, with the whole wave it lies in, the file's name and its position.
void holdShownSegment();

// Whether a reference can be opened: a wave is loaded, so that N is known.
bool referenceCanBeOpened();
// Open reference…: the file dialog, then the question for the position (the slider's first,
// within 0 … the file's points − N). A file that cannot be read or a position outside it is
// told in a message and the reference held, if any, stays.
void openReference();

// Whether a reference is held.
bool referenceHeld();
// Whether the reference held is a segment of the wave loaded now, fitting at the present N:
// the same file's name and the same samples, however it was taken (held, or opened from
// that file). Samples, not a mark set when held, so that every way of loading agrees.
bool referenceInLoadedWave();
void dropReference();

// Whether the power plot shows the difference instead of both curves.
bool differenceIsShown();
void showDifference(bool shown);

// The held reference analysed again at the present N, or marked as not fitting at it. The
// plots are not redrawn: the size change that calls it redraws them.
void refitReference();

// "reference: two-tones.wav, N 2048, position 3000", with "(does not fit)" while its segment
// does not fit its wave; empty while none is held.
std::string referenceLegend();

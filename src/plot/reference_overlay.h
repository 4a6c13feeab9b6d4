#pragma once

class WSCbase;

// What the power plot shows over its view's picture while a reference is held, painted into
// the area's window device after the view's picture is copied there, so that the view's own
// picture stays as it is. The inside of the frame is whitened (the frame and its ticks stay);
// then either both curves on one vertical scale, the larger of the two peaks (the current
// one in the view's colour, the reference's in orange), or, with the difference shown, the
// current level above the reference's in dB on a fixed scale of ±40 dB: a centre line at 0,
// ticks every 10 dB left of the vertical axis, the curve in orange, values beyond the scale
// at its edge. A reference that does not fit at N is left out. Without a reference nothing
// is painted.
void paintReferenceOverlay(WSCbase* power_area);

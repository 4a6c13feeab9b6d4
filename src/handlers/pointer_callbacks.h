#pragma once

class WSCbase;

// Callbacks of the pointer over the plots, and of the band and readouts that follow the
// segment.

// Pointer moves over the power or the phase plot: both captions read out the bin there.
void gra34move_ep(WSCbase* object);
// The pointer leaves either spectrum plot: both captions read their own texts again, and
// the plots show no reading as their tooltip, unless the keys hold one on a focused plot.
void gra34leave_ep(WSCbase* object);
// A key on the power or the phase plot, which has the focus: + and − zoom, other keys move
// the keys' reading over the bins and peaks, or end it (Escape).
void gra34key_ep(WSCbase* object);
// The wheel over the power or the phase plot: both zoom about the frequency under the
// pointer.
void gra34wheel_ep(WSCbase* object);
// A pan begins on the power or the phase plot (middle button, or Shift and the left one):
// the moves that follow pan both.
void gra34pan_ep(WSCbase* object);
// A double click on either: both show all frequencies again.
void gra34showAll_ep(WSCbase* object);
// The power or the phase plot took the focus: the keys' reading is shown again.
void gra34focusIn_ep(WSCbase* object);
// It lost the focus: the captions read their own texts until it comes back.
void gra34focusOut_ep(WSCbase* object);
// Pointer moves over the whole wave: the sample there as the tooltip; with the left
// button held since a press there and moved past a click, the segment follows.
void gra1move_ep(WSCbase* object);
// The left button let go over the whole wave: a click moves the segment there; a click or
// the end of a drag redoes the spectra.
void gra1release_ep(WSCbase* object);
// Pointer moves over the segment: the sample there as the tooltip.
void gra2move_ep(WSCbase* object);
// The slider moved, was set or let go: the band on the whole wave follows the segment, and
// the readouts under a resting pointer are read again.
void sli1follow_ep(WSCbase* object);

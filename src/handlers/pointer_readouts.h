#pragma once

class WSCvdrawingArea;

// What the pointer reads out where it is over each plot, from the area's last pointer
// position and the analysis state.

// The whole wave's and the segment's tooltips: the sample under the pointer.
void readOutWave(WSCvdrawingArea* area);
void readOutSegment(WSCvdrawingArea* area);
// Both captions: the bin under the pointer over the power or the phase plot, which ends a
// reading by the keys.
void readOutSpectrum(WSCvdrawingArea* area);

// After the segment moved, changed size or was analysed again: the band on the whole wave
// follows it, and every readout under a resting pointer, and the keys' reading, is read
// again, so that none names a sample or a bin of what is no longer shown.
void followSegment();

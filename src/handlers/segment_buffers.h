#pragma once

// Making and releasing the segment and its spectrum buffers in the analysis state. Each
// release sets the pointer to null (and the segment's length to 0) in the same step.

// Releases the segment, if any.
void releaseSegment();

// Makes the segment of selsize samples at the start of the wave when it fits in the wave;
// otherwise there is no segment. Returns whether there is one.
bool makeSegmentAtStart();

// Replaces selRe, selIm, power and phase by new arrays of selsize entries each.
void remakeSpectrumBuffers();

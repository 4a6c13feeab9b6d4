#pragma once

// The arithmetic of one segment, on the analysis state and without any widget.

// Copies selsize samples of the wave, from position_samples on, into the segment. A
// negative position counts as 0; entries whose source lies past the end of the wave keep
// their previous values. Needs a segment (seliii not null).
void fillSegment(long position_samples);

// The largest magnitude over the whole wave, which scales both wave plots alike.
short wholeWavePeak();

struct Spectrum {
    long points;  // N/2: how many bins are plotted
    double peak;  // the largest log power among them
};

// Hamming window, forward FFT scaled by 1/N, power and phase, then ln(1 + power) over the
// plotted half: fills selRe, selIm, power and phase from the segment. Needs a segment.
Spectrum computeSpectrum();

#pragma once

#include <vector>

// The arithmetic of one segment, without any widget. Each step has a form on arrays the
// caller owns, which sefaro-cli computes with, and a form on the analysis state, which the
// window's callbacks use; the latter only hands the state's arrays to the former, so the two
// cannot differ by a bit.

// Copies size samples of a wave of wave_size samples, from position_samples on, into
// segment. A negative position counts as 0; entries whose source lies past the end of the
// wave keep their previous values.
void copySegment(const short* wave, long wave_size, long position_samples, short* segment,
                 long size);

// copySegment from the loaded wave into the segment. Needs a segment (seliii not null).
void fillSegment(long position_samples);

// The largest magnitude over the whole wave, which scales both wave plots alike.
short wholeWavePeak();

struct Spectrum {
    long points;  // N/2: how many bins are plotted
    double peak;  // the largest log power among them
};

// One segment of size samples and the four arrays of size entries its analysis fills.
struct SegmentArrays {
    const short* segment;
    long size;
    double* re;
    double* im;
    double* power;  // ln(1 + power) over the plotted half
    double* phase;
};

// Hamming window, forward FFT scaled by 1/N, power and phase, then ln(1 + power) over the
// plotted half.
Spectrum analyseSegment(const SegmentArrays& arrays);

// The plotted half of one segment's spectrum, in arrays of its own.
struct PlottedHalf {
    std::vector<double> log_power;  // ln(1 + P) of bins 0 … N/2 − 1
    std::vector<double> phase_rad;
};

// analyseSegment of the size samples from position of a wave of points samples, into arrays
// of its own; touches no analysis state. Needs 0 ≤ position ≤ points − size.
PlottedHalf analyseWaveSegment(const short* wave, long points, long position, long size);

// analyseSegment of the state's segment into selRe, selIm, power and phase. Needs a segment.
Spectrum computeSpectrum();

// The spectrum computeSpectrum gave last, read again from power without computing anything.
// Needs a segment.
Spectrum lastSpectrum();

#pragma once

#include <complex>

// The transform of the analysis window as the pipeline applies it: the symmetric Hamming
// window of WindowFunction over n points, with the forward transform's 1/n. A tone e^(iωj)
// of frequency f bins gives bin k the value hammingKernel(k − f, n); a real tone adds its
// mirror at −f.
std::complex<double> hammingKernel(double offset_bins, long n);

// The kernel's value at offset 0: the window's sum over n, (0.54·n − 0.46)/n.
double hammingKernelCentre(long n);

// A bound on |hammingKernel(ν, n)| / hammingKernelCentre(n) for every |ν| ≥ distance_bins,
// at every size the program uses: 1 inside the main lobe (below 2 bins), then the
// sidelobes' envelope, which falls as 1/ν since the window steps to 0.08 at its ends.
double hammingSidelobeBound(double distance_bins);

// The smallest |hammingKernel(ν)| / hammingKernelCentre for |ν| ≤ ½: a tone's strongest bin
// holds at least this share of the tone.
inline constexpr double kHammingScallopShare = 0.8;

#pragma once

#include <vector>

// Which local maxima of the pipeline's spectrum are tones: bins 0 … bins − 1 of an n-point
// spectrum, given as the plotted ln(1 + P).

// P back from the plotted ln(1 + P).
double binPower(double log_power);

// The local noise floor around bin k: the upper median of ln(1 + P) over the 64 other bins
// nearest to it (all other bins when there are fewer).
double localFloorLogPower(const double* log_power, long bins, long k);

// Bins 1 … bins − 2 larger than both neighbours, strongest first (the lower bin first on a
// tie).
std::vector<long> localMaxima(const double* log_power, long bins);

// The local maxima that are tones, strongest first: each stands at least 15 dB above its
// local floor, and at least 6 dB above the sidelobes that every stronger tone's window
// could leave there. Noise and a tone's own sidelobes are left out.
std::vector<long> tonePeaks(const double* log_power, long bins, long n);

// Whether bin k is one of tonePeaks; only the maxima at least as strong are looked at.
bool isTonePeak(const double* log_power, long bins, long n, long k);

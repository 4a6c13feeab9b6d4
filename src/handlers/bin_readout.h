#pragma once

#include <optional>
#include <string>
#include <vector>

// What the readout over the power and phase plots names, from the plotted bins alone.

// Bins the readout looks at on either side of the pointer's column: at the largest size
// one pixel holds several bins, and a peak should be easy to catch.
inline constexpr int kReadoutReachPixels = 3;

// The bin named for a pointer at column x of a spectrum plot of that width: the largest
// log power among the bins 0 … bins − 1 drawn within the reach of x (the lowest bin on a
// tie); nothing when no bin is drawn that near.
std::optional<long> readoutBin(const double* log_power, long bins, unsigned short width, int x);

// Whether bin k has two neighbours among the bins and is larger than both.
bool isPeak(const double* log_power, long bins, long k);

// Where the parabola through (−1, a), (0, b), (1, c) has its vertex: ½(a − c)/(a − 2b + c).
double peakOffset(double a, double b, double c);

// The frequency the readout gives bin k: the interpolated peak when k is a peak, else the
// bin's own frequency k · rate / size.
struct BinReading {
    long bin = 0;
    double frequency_hz = 0;
    bool peak = false;
};
BinReading readBin(const double* log_power, long bins, long k, long size, long rate_hz);

// "power   1238.16 Hz   bin 115   ln(1+P) 12.34", with "peak " before a peak's frequency.
std::string powerCaption(const BinReading& reading, double log_power);
// "phase   1238.16 Hz   bin 115   -1.234 rad", likewise.
std::string phaseCaption(const BinReading& reading, double phase_rad);

// Up to count peaks, strongest first (the lower bin first on a tie).
std::vector<long> strongestPeaks(const double* log_power, long bins, long count);

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plot/plot_columns.h"

// What the readout over the power and phase plots names, from the plotted bins alone.

// Bins the readout looks at on either side of the pointer's column: at the largest size
// one pixel holds several bins, and a peak should be easy to catch.
inline constexpr int kReadoutReachPixels = 3;

// The bin named for a pointer at column x of a spectrum plot whose bins lie at columns: the
// largest log power among the bins 0 … count − 1 drawn within the reach of x (the lowest bin
// on a tie), as a zoomed plot draws the strongest of a column; nothing when no bin is drawn
// that near.
std::optional<long> readoutBin(const double* log_power, const PlotColumns& columns, int x);

// The plotted spectrum of one segment: ln(1 + P) and phase of bins 0 … bins − 1 of an
// n-point transform at rate_hz.
struct PlottedSpectrum {
    const double* log_power;
    const double* phase_rad;
    long bins;
    long size;
    long rate_hz;
};

// What is read at one bin. On a peak, the frequency, level and amplitude are the fitted
// tone's; elsewhere the frequency and level are the bin's own.
struct BinReading {
    long bin = 0;
    long size = 0;  // N
    bool peak = false;
    double frequency_hz = 0;
    double frequency_error_hz = 0;  // the fit's standard error from the local noise floor
    double level_dbfs = 0;
    double amplitude = 0;  // the fitted tone's, in sample units
    double log_power = 0;  // the bin's ln(1 + P)
    double phase_rad = 0;  // the bin's own phase
};

// Bin k, fitted as a peak when it is one of the spectrum's tones.
BinReading readBin(const PlottedSpectrum& spectrum, long k);
// Bin k, a local maximum, fitted as a peak whatever the noise rule says of it.
BinReading readPeak(const PlottedSpectrum& spectrum, long k);

// "power   peak 440.013 Hz   -6.02 dBFS   bin 41", or "power   1238.16 Hz   -43.10 dBFS   bin
// 115" off a peak.
std::string powerCaption(const BinReading& reading);
// "phase   peak 440.013 Hz   1.234 rad   bin 41", likewise; the phase is the bin's own.
std::string phaseCaption(const BinReading& reading);
// The long form: "bin 41 of 2048, peak 440.013 ± 0.001 Hz, -6.02 dBFS, ln(1+P) 12.34, phase
// 1.234 rad", without "peak" and "±" off a peak.
std::string readingText(const BinReading& reading);

// The bin that a key moves a reading at bin (none: no reading yet) to, among bins, peaks
// being sorted from the lowest bin: Left/Right one bin, Shift+Left/Shift+Right the
// previous/next peak, Home/End the first/last bin. A reading begins at the edge the key
// moves away from; a key with nowhere to go keeps the bin. Nothing for any other key.
std::optional<long> keyedBin(const std::string& key, std::optional<long> bin, long bins,
                             const std::vector<long>& peaks);

// Up to count peaks, strongest first: the tones, or with every_maximum each local maximum.
std::vector<BinReading> strongestPeaks(const PlottedSpectrum& spectrum, long count,
                                       bool every_maximum);

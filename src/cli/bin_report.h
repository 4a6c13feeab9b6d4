#pragma once

#include <string>
#include <vector>

// The spectra of the analysed segment as the window plots them, with the facts of the file.
struct SpectrumReport {
    std::string name;  // as the name label shows it
    long rate_hz = 0;
    long bits = 0;
    long points = 0;                // samples kept
    long size = 0;                  // N
    long position = 0;              // the slider's value
    std::vector<double> log_power;  // ln(1 + power) of bins 0 … N/2 − 1, as plotted
    std::vector<double> phase_rad;  // the phase of the same bins
};

// What the window holds now. Needs a segment (a file loaded and N within it).
SpectrumReport currentSpectrumReport();

// Bin k lies at k · rate / N.
double binFrequencyHz(const SpectrumReport& report, std::size_t bin);

// A header line "bin,frequency_hz,log_power,phase_rad", then one row per bin; every number
// in the shortest form that reads back to the same double.
std::string spectrumCsv(const SpectrumReport& report);

// One object: name, rate, bits, points, size, position, then the arrays frequency_hz,
// log_power and phase_rad; one line.
std::string spectrumJson(const SpectrumReport& report);

#pragma once

#include <string>
#include <vector>

#include "cli/bin_report.h"

// The strongest peaks of the analysed segment, as the window's readout names them.
struct SpectrumPeak {
    long bin = 0;
    double frequency_hz = 0;  // interpolated between the bins around the peak
    double log_power = 0;     // ln(1 + power) of the bin
    double phase_rad = 0;     // the bin's phase
};

// Up to count peaks of the report's spectrum, strongest first.
std::vector<SpectrumPeak> strongestSpectrumPeaks(const SpectrumReport& report, long count);

// The header line of the CSV form, "rank,bin,frequency_hz,log_power,phase_rad".
std::string peaksCsvHeader();

// One row per peak from rank 1; every number as the spectrum prints them. With file, each
// row starts with it as a CSV field.
std::string peaksCsvRows(const std::vector<SpectrumPeak>& peaks, const std::string* file);

// The spectrum's object (name, rate, bits, points, size, position) with a "peaks" array of
// objects holding the same fields as the CSV's rows; one line. With file, its first key
// "file" holds it.
std::string peaksJson(const SpectrumReport& report, const std::vector<SpectrumPeak>& peaks,
                      const std::string* file);

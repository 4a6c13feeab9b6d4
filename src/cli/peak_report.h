#pragma once

#include <string>
#include <vector>

#include "cli/bin_report.h"
#include "handlers/bin_readout.h"

// Up to count peaks of the report's spectrum, strongest first, each fitted as the window's
// readout fits it: its tones, or with every_maximum each local maximum.
std::vector<BinReading> strongestSpectrumPeaks(const SpectrumReport& report, long count,
                                               bool every_maximum);

// The header line of the CSV form,
// "rank,bin,frequency_hz,log_power,phase_rad,level_dbfs,amplitude,frequency_error_hz".
std::string peaksCsvHeader();

// One row per peak from rank 1; every number as the spectrum prints them. With file, each
// row starts with it as a CSV field.
std::string peaksCsvRows(const std::vector<BinReading>& peaks, const std::string* file);

// The spectrum's object (name, rate, bits, points, size, position) with a "peaks" array of
// objects holding the same fields as the CSV's rows; one line. With file, its first key
// "file" holds it.
std::string peaksJson(const SpectrumReport& report, const std::vector<BinReading>& peaks,
                      const std::string* file);

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "report/segment_report.h"

// A spectrum beside a reference spectrum of the same size, and their difference: what the
// window's exports append while a reference is held, and what sefaro-cli compare prints.

// The reference the window holds now, as a report of its own (its name, position and
// spectrum at the present N); nothing while none is held or its segment does not fit.
std::optional<SpectrumReport> currentReferenceReport();

// The current bins' level above the reference's, bin by bin, in dB (0 where both are silent,
// ±∞ where one is).
std::vector<double> differenceDb(const SpectrumReport& current, const SpectrumReport& reference);

// spectrumCsvHeader's columns, then "reference_log_power,reference_phase_rad,difference_db".
std::string comparedSpectrumCsvHeader();
// The spectrum's rows with the reference's log power and phase and the difference appended.
std::string comparedSpectrumCsvRows(const SpectrumReport& current, const SpectrumReport& reference,
                                    const std::string* file = nullptr);
// The header, then the rows.
std::string comparedSpectrumCsv(const SpectrumReport& current, const SpectrumReport& reference);

// "bin,frequency_hz,log_power,reference_log_power,difference_db".
std::string comparisonCsvHeader();
std::string comparisonCsvRows(const SpectrumReport& current, const SpectrumReport& reference,
                              const std::string* file = nullptr);

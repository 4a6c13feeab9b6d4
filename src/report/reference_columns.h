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

// Which columns a spectrum beside a reference has: every column of the spectrum, then the
// reference's log power and phase and the difference (the window's exports, spectrum
// --reference), or the levels alone: bin, frequency, both log powers and the difference
// (compare).
enum class ReferenceColumns { beside_spectrum, levels_only };

// The CSV header: spectrumCsvHeader's columns, then
// "reference_log_power,reference_phase_rad,difference_db"; or
// "bin,frequency_hz,log_power,reference_log_power,difference_db".
std::string referenceCsvHeader(ReferenceColumns columns);
// The rows under that header, each naming file when it is given.
std::string referenceCsvRows(ReferenceColumns columns, const SpectrumReport& current,
                             const SpectrumReport& reference, const std::string* file = nullptr);
// The window's export while a reference is held: the header, then the rows, beside the
// spectrum.
std::string comparedSpectrumCsv(const SpectrumReport& current, const SpectrumReport& reference);

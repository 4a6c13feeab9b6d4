#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

// The spectra of the analysed segment as the window plots them, with the facts of the file.
// The window's exports and sefaro-cli both write them from here, so they cannot differ.
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

// What the window holds now. The arrays are empty unless a segment is analysed.
SpectrumReport currentSpectrumReport();

// Bin k lies at k · rate / N.
double binFrequencyHz(const SpectrumReport& report, std::size_t bin);

// The frequency of every plotted bin.
std::vector<double> binFrequenciesHz(const SpectrumReport& report);

// One row per bin k of the columns, all of the same length: k, then each column's value at k,
// every number in the shortest form that reads back to the same double. With file, each row
// starts with it as a CSV field.
std::string binCsvRows(const std::vector<std::span<const double>>& columns,
                       const std::string* file = nullptr);

// The header line of the CSV form, "bin,frequency_hz,log_power,phase_rad".
std::string spectrumCsvHeader();

// binCsvRows of the frequencies, the log power and the phase.
std::string spectrumCsvRows(const SpectrumReport& report, const std::string* file = nullptr);

// The header, then the rows: what the window exports and sefaro-cli prints for one file.
std::string spectrumCsv(const SpectrumReport& report);

#include "handlers/bin_readout.h"

#include <algorithm>
#include <cstdio>

#include "plot/plot_columns.h"

namespace {

std::string caption(const char* plot, const BinReading& reading, const char* value_format,
                    double value) {
    char value_text[64];
    std::snprintf(value_text, sizeof value_text, value_format, value);
    char text[160];
    std::snprintf(text, sizeof text, "%s   %s%.2f Hz   bin %ld   %s", plot,
                  reading.peak ? "peak " : "", reading.frequency_hz, reading.bin, value_text);
    return text;
}

}  // namespace

std::optional<long> readoutBin(const double* log_power, long bins, unsigned short width, int x) {
    const PlotColumns columns = plotColumns(width, bins);
    if (!log_power || bins <= 0 || columns.span <= 0) return std::nullopt;
    const long first = firstPointFrom(columns, x - kReadoutReachPixels);
    const long end = firstPointFrom(columns, x + kReadoutReachPixels + 1);
    std::optional<long> strongest;
    for (long k = first; k < end; ++k) {
        if (!strongest || log_power[k] > log_power[*strongest]) strongest = k;
    }
    return strongest;
}

bool isPeak(const double* log_power, long bins, long k) {
    return k >= 1 && k + 1 < bins && log_power[k] > log_power[k - 1] &&
           log_power[k] > log_power[k + 1];
}

double peakOffset(double a, double b, double c) {
    return 0.5 * (a - c) / (a - 2 * b + c);
}

BinReading readBin(const double* log_power, long bins, long k, long size, long rate_hz) {
    BinReading reading;
    reading.bin = k;
    reading.peak = isPeak(log_power, bins, k);
    const double offset =
        reading.peak ? peakOffset(log_power[k - 1], log_power[k], log_power[k + 1]) : 0.0;
    reading.frequency_hz = (static_cast<double>(k) + offset) * static_cast<double>(rate_hz) /
                           static_cast<double>(size);
    return reading;
}

std::string powerCaption(const BinReading& reading, double log_power) {
    return caption("power", reading, "ln(1+P) %.2f", log_power);
}

std::string phaseCaption(const BinReading& reading, double phase_rad) {
    return caption("phase", reading, "%.3f rad", phase_rad);
}

std::vector<long> strongestPeaks(const double* log_power, long bins, long count) {
    std::vector<long> peaks;
    for (long k = 1; k + 1 < bins; ++k) {
        if (isPeak(log_power, bins, k)) peaks.push_back(k);
    }
    std::stable_sort(peaks.begin(), peaks.end(),
                     [log_power](long a, long b) { return log_power[a] > log_power[b]; });
    if (count >= 0 && peaks.size() > static_cast<std::size_t>(count))
        peaks.resize(static_cast<std::size_t>(count));
    return peaks;
}

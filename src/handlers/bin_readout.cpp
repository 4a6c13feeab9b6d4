#include "handlers/bin_readout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <cstdio>
#include <numbers>

#include "dsp/dbfs_level.h"
#include "dsp/tone_fit.h"
#include "dsp/tone_peaks.h"
#include "plot/plot_columns.h"

namespace {

BinReading ownReading(const PlottedSpectrum& spectrum, long k) {
    BinReading reading;
    reading.bin = k;
    reading.size = spectrum.size;
    reading.log_power = spectrum.log_power[k];
    reading.phase_rad = spectrum.phase_rad[k];
    reading.frequency_hz = double(k) * double(spectrum.rate_hz) / double(spectrum.size);
    reading.level_dbfs = binLevelDbfs(binPower(reading.log_power), spectrum.size);
    return reading;
}

std::complex<double> binValue(const PlottedSpectrum& spectrum, long k) {
    return std::polar(std::sqrt(binPower(spectrum.log_power[k])), spectrum.phase_rad[k]);
}

// The median magnitude of complex Gaussian noise is √(ln 2) of its rms.
double noisePower(const PlottedSpectrum& spectrum, long k) {
    return binPower(localFloorLogPower(spectrum.log_power, spectrum.bins, k)) / std::numbers::ln2;
}

std::string formatted(const char* format, auto... values) {
    char text[200];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

}  // namespace

std::optional<long> readoutBin(const double* log_power, const PlotColumns& columns, int x) {
    if (!log_power || columns.count <= 0 || columns.span <= 0) return std::nullopt;
    // Only bins drawn inside the frame: a zoomed plot's bins beyond its sides are not.
    const int right = columns.mx + columns.span;
    const long first = firstPointFrom(columns, std::max(x - kReadoutReachPixels, columns.mx));
    const long end = firstPointFrom(columns, std::min(x + kReadoutReachPixels, right) + 1);
    std::optional<long> strongest;
    for (long k = first; k < end; ++k) {
        if (!strongest || log_power[k] > log_power[*strongest]) strongest = k;
    }
    return strongest;
}

BinReading readPeak(const PlottedSpectrum& spectrum, long k) {
    BinReading reading = ownReading(spectrum, k);
    const std::array values = {binValue(spectrum, k - 1), binValue(spectrum, k),
                               binValue(spectrum, k + 1)};
    const ToneFit tone = fitTone(values, k, spectrum.size, noisePower(spectrum, k));
    const double hz_per_bin = double(spectrum.rate_hz) / double(spectrum.size);
    reading.peak = true;
    reading.frequency_hz = tone.frequency_bins * hz_per_bin;
    reading.frequency_error_hz = tone.frequency_error_bins * hz_per_bin;
    reading.amplitude = tone.amplitude;
    reading.level_dbfs = toneLevelDbfs(tone.amplitude);
    return reading;
}

BinReading readBin(const PlottedSpectrum& spectrum, long k) {
    return isTonePeak(spectrum.log_power, spectrum.bins, spectrum.size, k)
               ? readPeak(spectrum, k)
               : ownReading(spectrum, k);
}

std::string powerCaption(const BinReading& reading) {
    return reading.peak ? formatted("power   peak %.3f Hz   %.2f dBFS   bin %ld",
                                    reading.frequency_hz, reading.level_dbfs, reading.bin)
                        : formatted("power   %.2f Hz   %.2f dBFS   bin %ld", reading.frequency_hz,
                                    reading.level_dbfs, reading.bin);
}

std::string phaseCaption(const BinReading& reading) {
    return reading.peak ? formatted("phase   peak %.3f Hz   %.3f rad   bin %ld",
                                    reading.frequency_hz, reading.phase_rad, reading.bin)
                        : formatted("phase   %.2f Hz   %.3f rad   bin %ld", reading.frequency_hz,
                                    reading.phase_rad, reading.bin);
}

std::string readingText(const BinReading& reading) {
    const std::string frequency =
        reading.peak
            ? formatted("peak %.3f ± %.3f Hz", reading.frequency_hz, reading.frequency_error_hz)
            : formatted("%.2f Hz", reading.frequency_hz);
    return formatted("bin %ld of %ld, %s, %.2f dBFS, ln(1+P) %.2f, phase %.3f rad", reading.bin,
                     reading.size, frequency.c_str(), reading.level_dbfs, reading.log_power,
                     reading.phase_rad);
}

std::optional<long> keyedBin(const std::string& key, std::optional<long> bin, long bins,
                             const std::vector<long>& peaks) {
    // Without a reading, a key to the right starts left of the first bin, and the other way.
    const long right_from = bin.value_or(-1), left_from = bin.value_or(bins);
    if (key == "Left") return std::max(left_from - 1, 0L);
    if (key == "Right") return std::min(right_from + 1, bins - 1);
    if (key == "Home") return 0;
    if (key == "End") return bins - 1;
    if (key == "Shift+Right") {
        const auto next = std::upper_bound(peaks.begin(), peaks.end(), right_from);
        return next != peaks.end() ? std::optional(*next) : bin;
    }
    if (key == "Shift+Left") {
        const auto next = std::lower_bound(peaks.begin(), peaks.end(), left_from);
        return next != peaks.begin() ? std::optional(*std::prev(next)) : bin;
    }
    return std::nullopt;
}

std::vector<BinReading> strongestPeaks(const PlottedSpectrum& spectrum, long count,
                                       bool every_maximum) {
    const std::vector<long> bins =
        every_maximum ? localMaxima(spectrum.log_power, spectrum.bins)
                      : tonePeaks(spectrum.log_power, spectrum.bins, spectrum.size);
    std::vector<BinReading> peaks;
    for (const long k : bins) {
        if (long(peaks.size()) >= count) break;
        peaks.push_back(readPeak(spectrum, k));
    }
    return peaks;
}

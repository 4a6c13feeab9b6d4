#include "dsp/tone_peaks.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "dsp/hamming_kernel.h"

namespace {

constexpr long kFloorBins = 64;
const double kFloorMargin = std::pow(10.0, 15.0 / 10);    // 15 dB, in power
const double kSidelobeMargin = std::pow(10.0, 6.0 / 10);  // 6 dB, in power

bool isLocalMaximum(const double* log_power, long bins, long k) {
    return k >= 1 && k + 1 < bins && log_power[k] > log_power[k - 1] &&
           log_power[k] > log_power[k + 1];
}

bool aboveLocalFloor(const double* log_power, long bins, long k) {
    return binPower(log_power[k]) >=
           kFloorMargin * binPower(localFloorLogPower(log_power, bins, k));
}

// The sidelobe bound of the n-periodic kernel at a distance of ν bins.
double periodicSidelobeBound(double distance_bins, long n) {
    const double distance = std::abs(distance_bins);
    return hammingSidelobeBound(distance) + hammingSidelobeBound(double(n) - distance);
}

// The most that a tone whose strongest bin is m can leave at bin k, in power: the tone lies
// within half a bin of m, and m holds at least the scallop share of it.
double sidelobePower(const double* log_power, long m, long k, long n) {
    const double tone = std::sqrt(binPower(log_power[m])) / kHammingScallopShare;
    const double near = std::abs(double(k - m)) - 0.5;
    const double mirror = double(k + m) - 0.5;
    const double bound = tone * (periodicSidelobeBound(std::max(near, 0.0), n) +
                                 periodicSidelobeBound(std::max(mirror, 0.0), n));
    return bound * bound;
}

// The local maxima that keep accepts, strongest first (the lower bin first on a tie).
template <class Keep>
std::vector<long> strongestMaxima(const double* log_power, long bins, Keep keep) {
    std::vector<long> maxima;
    for (long k = 1; k + 1 < bins; ++k) {
        if (isLocalMaximum(log_power, bins, k) && keep(k)) maxima.push_back(k);
    }
    std::stable_sort(maxima.begin(), maxima.end(),
                     [log_power](long a, long b) { return log_power[a] > log_power[b]; });
    return maxima;
}

// Of these maxima, strongest first, the tones.
std::vector<long> tonesAmong(const std::vector<long>& maxima, const double* log_power, long bins,
                             long n) {
    std::vector<long> tones;
    for (const long k : maxima) {
        if (!aboveLocalFloor(log_power, bins, k)) continue;
        const double power = binPower(log_power[k]);
        const bool sidelobe = std::any_of(tones.begin(), tones.end(), [&](long m) {
            return power < kSidelobeMargin * sidelobePower(log_power, m, k, n);
        });
        if (!sidelobe) tones.push_back(k);
    }
    return tones;
}

}  // namespace

double binPower(double log_power) {
    return std::max(std::expm1(log_power), 0.0);
}

double localFloorLogPower(const double* log_power, long bins, long k) {
    const long first = std::clamp(k - kFloorBins / 2, 0L, std::max(bins - kFloorBins - 1, 0L));
    const long end = std::min(first + kFloorBins + 1, bins);
    // On the stack: the readout asks for this on every pointer move over a local maximum.
    std::array<double, kFloorBins + 1> around;
    std::size_t count = 0;
    for (long j = first; j < end; ++j) {
        if (j != k) around[count++] = log_power[j];
    }
    if (count == 0) return 0;
    const auto middle = around.begin() + static_cast<std::ptrdiff_t>(count / 2);
    std::nth_element(around.begin(), middle, around.begin() + static_cast<std::ptrdiff_t>(count));
    return *middle;
}

std::vector<long> localMaxima(const double* log_power, long bins) {
    return strongestMaxima(log_power, bins, [](long) { return true; });
}

std::vector<long> tonePeaks(const double* log_power, long bins, long n) {
    return tonesAmong(localMaxima(log_power, bins), log_power, bins, n);
}

bool isTonePeak(const double* log_power, long bins, long n, long k) {
    // Most bins the pointer names are noise: they fail here, before any other bin is read.
    if (!isLocalMaximum(log_power, bins, k) || !aboveLocalFloor(log_power, bins, k)) return false;
    std::vector<long> stronger = strongestMaxima(log_power, bins, [log_power, k](long m) {
        return log_power[m] > log_power[k] || (log_power[m] == log_power[k] && m < k);
    });
    stronger.push_back(k);
    const std::vector<long> tones = tonesAmong(stronger, log_power, bins, n);
    return !tones.empty() && tones.back() == k;
}

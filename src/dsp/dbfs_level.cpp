#include "dsp/dbfs_level.h"

#include <algorithm>
#include <cmath>

#include "dsp/hamming_kernel.h"
#include "dsp/tone_peaks.h"

double binLevelDbfs(double power, long n) {
    const double reference = kFullScaleAmplitude * hammingKernelCentre(n) / 2;
    return 10 * std::log10(power / (reference * reference));
}

double binLevelDifferenceDb(double power, double reference_power) {
    // Two silent bins are alike; -inf minus -inf would be NaN.
    if (power == 0 && reference_power == 0) return 0;
    return 10 * (std::log10(power) - std::log10(reference_power));
}

std::vector<double> levelDifferencesDb(std::span<const double> log_power,
                                       std::span<const double> reference_log_power) {
    std::vector<double> difference(std::min(log_power.size(), reference_log_power.size()));
    for (std::size_t k = 0; k < difference.size(); ++k) {
        difference[k] =
            binLevelDifferenceDb(binPower(log_power[k]), binPower(reference_log_power[k]));
    }
    return difference;
}

double toneLevelDbfs(double amplitude) {
    return 20 * std::log10(amplitude / kFullScaleAmplitude);
}

#include "dsp/dbfs_level.h"

#include <cmath>

#include "dsp/hamming_kernel.h"

double binLevelDbfs(double power, long n) {
    const double reference = kFullScaleAmplitude * hammingKernelCentre(n) / 2;
    return 10 * std::log10(power / (reference * reference));
}

double binLevelDifferenceDb(double power, double reference_power, long n) {
    // Two silent bins are alike; -inf minus -inf would be NaN.
    if (power == 0 && reference_power == 0) return 0;
    return binLevelDbfs(power, n) - binLevelDbfs(reference_power, n);
}

double toneLevelDbfs(double amplitude) {
    return 20 * std::log10(amplitude / kFullScaleAmplitude);
}

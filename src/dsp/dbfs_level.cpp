#include "dsp/dbfs_level.h"

#include <cmath>

#include "dsp/hamming_kernel.h"

double binLevelDbfs(double power, long n) {
    const double reference = kFullScaleAmplitude * hammingKernelCentre(n) / 2;
    return 10 * std::log10(power / (reference * reference));
}

double toneLevelDbfs(double amplitude) {
    return 20 * std::log10(amplitude / kFullScaleAmplitude);
}

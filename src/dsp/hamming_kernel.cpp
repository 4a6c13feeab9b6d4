#include "dsp/hamming_kernel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// sin(n·α/2) / sin(α/2), the real part of Σ e^(−iαj) over j = 0 … n − 1 once the common
// phase e^(−iα(n−1)/2) is taken out; at a multiple of 2π, its limit.
double dirichlet(double alpha, long n) {
    const double half_n = 0.5 * double(n);
    const double denominator = std::sin(0.5 * alpha);
    if (std::abs(denominator) < 1e-12)
        return double(n) * std::cos(half_n * alpha) / std::cos(0.5 * alpha);
    return std::sin(half_n * alpha) / denominator;
}

}  // namespace

std::complex<double> hammingKernel(double offset_bins, long n) {
    // w_j = 0.54 − 0.46·cos(jθ), θ = 2π/(n − 1): three shifted Dirichlet kernels. Shifted by
    // θ their common phase turns by θ(n − 1)/2 = π, hence the plus signs.
    const double size = double(n);
    const double beta = 2 * std::numbers::pi * offset_bins / size;
    const double theta = 2 * std::numbers::pi / (size - 1);
    const double real = 0.54 * dirichlet(beta, n) +
                        0.23 * (dirichlet(beta - theta, n) + dirichlet(beta + theta, n));
    return std::polar(real / size, -0.5 * beta * (size - 1));
}

double hammingKernelCentre(long n) {
    return (0.54 * double(n) - 0.46) / double(n);
}

double hammingSidelobeBound(double distance_bins) {
    constexpr double kMainLobeBins = 2;
    // The first sidelobes reach −42.6 dB; farther out the window's end steps of 0.08 leave
    // 0.08/(0.54·π·ν), with a tenth to spare for the symmetric window's slightly other shape.
    constexpr double kHighestSidelobe = 0.0078;
    constexpr double kFarSidelobes = 1.1 * 0.08 / (0.54 * std::numbers::pi);
    if (distance_bins < kMainLobeBins) return 1;
    return std::min(kHighestSidelobe, kFarSidelobes / distance_bins);
}

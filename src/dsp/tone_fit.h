#pragma once

#include <array>
#include <complex>

// A real tone read from three bins of the pipeline's spectrum: the least-squares fit of
// c·W(j − f) + c̄·W(j + f) to bins j = k − 1, k, k + 1, W being hammingKernel. The mirror
// term is what a real signal always has; leaving it out biases tones near 0 and n/2.
struct ToneFit {
    double frequency_bins = 0;        // f
    double amplitude = 0;             // 2|c|: the tone's amplitude in sample units
    double frequency_error_bins = 0;  // the standard error of f for that noise
};

// values holds bins k − 1, k and k + 1 of an n-point spectrum; noise_power is the expected
// |noise|² of one bin. f is sought within one bin of k.
ToneFit fitTone(const std::array<std::complex<double>, 3>& values, long k, long n,
                double noise_power);

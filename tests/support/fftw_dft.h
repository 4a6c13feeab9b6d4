#pragma once

// The discrete Fourier transform computed independently of the program, by FFTW; its sign
// convention matches ours. The forward direction is divided by n, as ours is.

#include <fftw3.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

inline std::vector<std::complex<double>> fftwDft(std::vector<std::complex<double>> in,
                                                 bool forward) {
    const int n = static_cast<int>(in.size());
    std::vector<std::complex<double>> out(in.size());
    fftw_plan plan = fftw_plan_dft_1d(n, reinterpret_cast<fftw_complex*>(in.data()),
                                      reinterpret_cast<fftw_complex*>(out.data()),
                                      forward ? FFTW_FORWARD : FFTW_BACKWARD, FFTW_ESTIMATE);
    fftw_execute(plan);
    fftw_destroy_plan(plan);
    if (forward)
        for (std::complex<double>& v : out) v /= n;
    return out;
}

// Bins 0 … n − 1 of n samples tapered by the symmetric Hamming window 0.54 − 0.46·cos(2πi/(n − 1)),
// divided by n: what the analysis must show for a segment.
template <class Sample>
std::vector<std::complex<double>> hammingSpectrum(const Sample* samples, long n) {
    std::vector<std::complex<double>> windowed(static_cast<std::size_t>(n));
    for (long i = 0; i < n; ++i) {
        const double w = 0.54 - 0.46 * std::cos(2 * std::numbers::pi * double(i) / double(n - 1));
        windowed[static_cast<std::size_t>(i)] = w * double(samples[i]);
    }
    return fftwDft(windowed, true);
}

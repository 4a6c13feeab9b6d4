#pragma once

// The segment's spectra computed a second, independent way: a Hamming window written
// here and FFTW's transform.

#include <fftw3.h>

#include <cmath>
#include <complex>
#include <vector>

struct OracleSpectrum {
    std::vector<double> log_power;  // ln(1 + |X_k / N|²), k < N/2
};

inline OracleSpectrum oracleSpectrum(const std::vector<short>& segment) {
    const int n = static_cast<int>(segment.size());
    std::vector<std::complex<double>> in(n), out(n);
    for (int i = 0; i < n; ++i) {
        const double w = 0.54 - 0.46 * std::cos(2.0 * M_PI * i / (n - 1));
        in[i] = w * segment[i];
    }
    fftw_plan plan =
        fftw_plan_dft_1d(n, reinterpret_cast<fftw_complex*>(in.data()),
                         reinterpret_cast<fftw_complex*>(out.data()), FFTW_FORWARD, FFTW_ESTIMATE);
    fftw_execute(plan);
    fftw_destroy_plan(plan);
    OracleSpectrum result;
    for (int k = 0; k < n / 2; ++k) result.log_power.push_back(std::log1p(std::norm(out[k] / double(n))));
    return result;
}

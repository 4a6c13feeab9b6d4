#pragma once

// The discrete Fourier transform computed independently of the program, by FFTW; its sign
// convention matches ours. The forward direction is divided by n, as ours is.

#include <fftw3.h>

#include <complex>
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
    if (forward) {
        for (std::complex<double>& v : out) v /= n;
    }
    return out;
}

// Our transform against FFTW at the sizes the program offers; compare the two in one run.
#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <random>
#include <vector>

#include "dsp/fft.h"

namespace {

void BM_fft(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::mt19937 gen(1);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    std::vector<double> x(n), y(n);
    for (int i = 0; i < n; i++) x[i] = dist(gen), y[i] = dist(gen);
    // Forward and inverse alternate so the 1/n scaling never drives the data to zero.
    int flag = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fft(x.data(), y.data(), n, flag));
        benchmark::ClobberMemory();
        flag ^= 1;
    }
}

void BM_fftw(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    fftw_complex* in = fftw_alloc_complex(n);
    fftw_complex* out = fftw_alloc_complex(n);
    fftw_plan plan = fftw_plan_dft_1d(n, in, out, FFTW_FORWARD, FFTW_MEASURE);
    std::mt19937 gen(1);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    for (int i = 0; i < n; i++) in[i][0] = dist(gen), in[i][1] = dist(gen);
    for (auto _ : state) {
        fftw_execute(plan);
        benchmark::ClobberMemory();
    }
    fftw_destroy_plan(plan);
    fftw_free(out);
    fftw_free(in);
}

}  // namespace

BENCHMARK(BM_fft)->RangeMultiplier(2)->Range(512, 4096);
BENCHMARK(BM_fftw)->RangeMultiplier(2)->Range(512, 4096);

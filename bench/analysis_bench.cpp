// Everything one analysis computes for a segment of N samples: what a slider release costs
// before anything is drawn.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "dsp/fft.h"

namespace {

constexpr int kHammingWindow = 1;
constexpr int kForward = 0;

void BM_analysis(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    // A tone over noise, as a 16-bit recording would hold it.
    std::mt19937 gen(1);
    std::normal_distribution<double> noise(0.0, 300.0);
    std::vector<short> segment(n);
    for (int i = 0; i < n; i++) {
        const double tone = 8000.0 * std::sin(0.07 * i);
        segment[i] = static_cast<short>(std::lround(tone + noise(gen)));
    }
    std::vector<double> re(n), im(n), power(n), phase(n);
    for (auto _ : state) {
        for (int i = 0; i < n; i++) re[i] = segment[i], im[i] = 0;
        WindowFunction(re.data(), n, kHammingWindow);
        fft(re.data(), im.data(), n, kForward);
        long half = 0;
        PowAndPhs(re.data(), im.data(), power.data(), phase.data(), n, &half);
        logPlus1(power.data(), half);
        benchmark::DoNotOptimize(power.data());
        benchmark::DoNotOptimize(phase.data());
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_analysis)->Arg(4096);

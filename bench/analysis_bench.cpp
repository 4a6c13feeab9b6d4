// Everything one analysis computes for a segment of N samples, the program's own code on
// its analysis state: what a slider release costs before anything is drawn.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "handlers/segment_analysis.h"
#include "handlers/segment_buffers.h"
#include "wave/analysis_state.h"

namespace {

void BM_analysis(benchmark::State& state) {
    const long n = state.range(0);
    // A tone over noise, as a 16-bit recording would hold it.
    std::mt19937 gen(1);
    std::normal_distribution<double> noise(0.0, 300.0);
    std::vector<short> wave(n);
    for (long i = 0; i < n; i++) {
        const double tone = 8000.0 * std::sin(0.07 * double(i));
        wave[i] = static_cast<short>(std::lround(tone + noise(gen)));
    }
    siii = wave.data();
    maxsize = selsize = n;
    makeSegmentAtStart();
    remakeSpectrumBuffers();
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeSpectrum());
        benchmark::ClobberMemory();
    }
    releaseSegment();
    siii = nullptr;
    maxsize = 0;
}

}  // namespace

BENCHMARK(BM_analysis)->Arg(4096);

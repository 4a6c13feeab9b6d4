// One view redraw as a slider movement causes it: the area looked up, the picture cleared
// and framed, the curve drawn, and the picture copied to the area's window device.
#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "names/window_names.h"
#include "plot/cmnDraw.h"
#include "plot/view_callbacks.h"
#include "plot/view_update.h"
#include "toolkit/toolkit.h"

namespace {

// A tone over noise, as a 16-bit recording would hold it.
std::vector<short> recording(long n) {
    std::mt19937 gen(1);
    std::normal_distribution<double> noise(0.0, 300.0);
    std::vector<short> samples(n);
    for (long i = 0; i < n; ++i) {
        samples[i] = static_cast<short>(std::lround(8000.0 * std::sin(0.07 * i) + noise(gen)));
    }
    return samples;
}

// ln(1 + |X|²) of the first n of 2n bins of the windowed, 1/N-scaled recording: what the
// power view plots.
std::vector<double> logPowerSpectrum(long n) {
    const long size = 2 * n;
    const std::vector<short> samples = recording(size);
    std::vector<double> in(size);
    for (long i = 0; i < size; ++i) {
        in[i] = samples[i] * (0.54 - 0.46 * std::cos(2 * M_PI * i / (size - 1))) / size;
    }
    auto* out = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * (n + 1)));
    fftw_plan plan = fftw_plan_dft_r2c_1d(static_cast<int>(size), in.data(), out, FFTW_ESTIMATE);
    fftw_execute(plan);
    std::vector<double> power(n);
    for (long j = 0; j < n; ++j)
        power[j] = std::log(1 + out[j][0] * out[j][0] + out[j][1] * out[j][1]);
    fftw_destroy_plan(plan);
    fftw_free(out);
    return power;
}

// A plot area as the window builds it, showing its picture through its expose callback.
std::unique_ptr<WSCvdrawingArea> plotArea(const char* name, unsigned short width,
                                          unsigned short height, WSCcallback expose) {
    auto area = std::make_unique<WSCvdrawingArea>(nullptr, name);
    area->initialize();
    area->setPropertyV(_WSNwidth(), width);
    area->setPropertyV(_WSNheight(), height);
    auto* procedure = new WSCprocedure("expose_ep", WSEV_EXPOSE);
    procedure->setFunction(expose, "expose_ep");
    area->addProcedure(procedure);
    return area;
}

// The view redrawn again and again, its content drawn by draw(area, device).
void redraw(benchmark::State& state, PlotView view, WSCvdrawingArea& area,
            const ViewContent& draw) {
    for (auto _ : state) {
        updateView(view, draw);
        benchmark::DoNotOptimize(area.getdev()->bits());
    }
}

void BM_view_wave(benchmark::State& state) {
    const long n = state.range(0);
    const auto area = plotArea(names::kWholeWaveArea, 670, 100, gra1Expose_ep);
    const std::vector<short> samples = recording(n);
    const short peak = findMax(samples.data(), n);
    redraw(state, PlotView::wave, *area, [&](WSCvdrawingArea* a, WSDmwindowDev* device) {
        drawWave(a, device, samples.data(), n, peak);
    });
}
BENCHMARK(BM_view_wave)->Arg(4096)->Arg(22050);

void BM_view_power(benchmark::State& state) {
    const long n = state.range(0);
    const auto area = plotArea(names::kPowerArea, 388, 330, gra3expose_ep);
    const std::vector<double> power = logPowerSpectrum(n);
    const double peak = findMax(power.data(), n);
    redraw(state, PlotView::power, *area, [&](WSCvdrawingArea* a, WSDmwindowDev* device) {
        drawWavePlus(a, device, power.data(), n, peak);
    });
}
BENCHMARK(BM_view_power)->Arg(2048);

}  // namespace

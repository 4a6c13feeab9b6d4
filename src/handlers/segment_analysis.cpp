#include "handlers/segment_analysis.h"

#include <algorithm>

#include "dsp/fft.h"
#include "plot/cmnDraw.h"
#include "wave/analysis_state.h"

namespace {
constexpr int kHammingWindow = 1;
constexpr int kForward = 0;
}  // namespace

void fillSegment(long position_samples) {
    const long start = std::max(position_samples, 0L);
    // Compared as counts: start + i < maxsize could overflow for a far position.
    if (start >= maxsize) return;
    std::copy_n(siii + start, std::min(selsize, maxsize - start), seliii);
}

short wholeWavePeak() {
    return findMax(siii, maxsize);
}

Spectrum computeSpectrum() {
    std::copy_n(seliii, selsize, selRe);
    std::fill_n(selIm, selsize, 0.0);
    WindowFunction(selRe, selsize, kHammingWindow);
    fft(selRe, selIm, static_cast<int>(selsize), kForward);
    Spectrum spectrum{};
    PowAndPhs(selRe, selIm, power, phase, selsize, &spectrum.points);
    logPlus1(power, spectrum.points);
    spectrum.peak = findMax(power, spectrum.points);
    return spectrum;
}

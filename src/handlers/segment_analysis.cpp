#include "handlers/segment_analysis.h"

#include <algorithm>

#include "dsp/fft.h"
#include "plot/cmnDraw.h"
#include "wave/analysis_state.h"

namespace {
constexpr int kHammingWindow = 1;
constexpr int kForward = 0;
}  // namespace

void copySegment(const short* wave, long wave_size, long position_samples, short* segment,
                 long size) {
    const long start = std::max(position_samples, 0L);
    // Compared as counts: start + i < wave_size could overflow for a far position.
    if (start >= wave_size) return;
    std::copy_n(wave + start, std::min(size, wave_size - start), segment);
}

void fillSegment(long position_samples) {
    copySegment(siii, maxsize, position_samples, seliii, selsize);
}

short wholeWavePeak() {
    return findMax(siii, maxsize);
}

Spectrum analyseSegment(const SegmentArrays& arrays) {
    std::copy_n(arrays.segment, arrays.size, arrays.re);
    std::fill_n(arrays.im, arrays.size, 0.0);
    WindowFunction(arrays.re, arrays.size, kHammingWindow);
    fft(arrays.re, arrays.im, static_cast<int>(arrays.size), kForward);
    Spectrum spectrum{};
    PowAndPhs(arrays.re, arrays.im, arrays.power, arrays.phase, arrays.size, &spectrum.points);
    logPlus1(arrays.power, spectrum.points);
    spectrum.peak = findMax(arrays.power, spectrum.points);
    return spectrum;
}

Spectrum computeSpectrum() {
    return analyseSegment({seliii, selsize, selRe, selIm, power, phase});
}

Spectrum lastSpectrum() {
    const long points = selsize / 2;
    return {points, findMax(power, points)};
}

PlottedHalf analyseWaveSegment(const short* wave, long points, long position, long size) {
    const auto n = static_cast<std::size_t>(size);
    std::vector<short> segment(n);
    std::vector<double> re(n), im(n), power_of(n), phase_of(n);
    copySegment(wave, points, position, segment.data(), size);
    const Spectrum analysed = analyseSegment(
        {segment.data(), size, re.data(), im.data(), power_of.data(), phase_of.data()});
    power_of.resize(static_cast<std::size_t>(analysed.points));
    phase_of.resize(static_cast<std::size_t>(analysed.points));
    return {std::move(power_of), std::move(phase_of)};
}

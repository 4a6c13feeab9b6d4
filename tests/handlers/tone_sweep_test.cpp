// Tones of known frequency and amplitude, with or without noise, at every size, loaded into
// the window: its tones are exactly the generated ones, each at its true frequency and level
// (20·log10(A/32767)); noise alone has none; the two-tone sample holds its 440 Hz at 12000
// and 2500 Hz at 5000. A few are also read on the power plot (at (10, 260), 388 x 330), by
// the pointer and by the keys, whose captions round the same reading.
#include <gmock/gmock.h>

#include <QImage>
#include <QLabel>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>

#include "handlers/bin_readout.h"
#include "names/window_names.h"
#include "plot/plot_columns.h"
#include "scenario.h"

namespace {

struct Tone {
    double bin, amplitude;  // the frequency in bins
    double phase_rad = 0;
};

struct Signal {
    std::string name;
    long size;
    std::vector<Tone> tones = {};  // strongest first
    double noise_sigma = 0;        // Gaussian noise added before rounding
    bool dither = false;           // ±1 at random instead of the tones
    double tolerance_bins = 1e-4, tolerance_db = 0.01;
    bool pointed = false;        // also read through the power caption, by the pointer and the keys
    const char* file = nullptr;  // a sample sound instead of the generated one
};

std::vector<int16_t> samplesOf(const Signal& signal, unsigned seed) {
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0, signal.noise_sigma);
    std::vector<int16_t> samples(static_cast<std::size_t>(signal.size));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        double value = signal.noise_sigma > 0 ? noise(random) : 0;
        if (signal.dither) value = random() % 2 ? 1 : -1;
        for (const Tone& tone : signal.tones)
            value += tone.amplitude *
                     std::sin(2 * std::numbers::pi * tone.bin * double(i) / double(signal.size) +
                              tone.phase_rad);
        samples[i] = static_cast<int16_t>(std::lround(value));
    }
    return samples;
}

// Sixteen pure tones a size, anywhere from bin 4 to N/2 - 5, amplitudes 1000 to 32000, random
// phases; two more a size near either end of the plotted bins; then the noise cases.
std::vector<Signal> testSignals() {
    std::mt19937 random(20);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<Signal> rows;
    // clang-format off
    for (const long size : names::kSegmentSizes) {
        const std::string at = "N" + std::to_string(size);
        const double last = double(size) / 2;
        for (int j = 0; j < 16; ++j) {
            const double bin = 4 + (last - 9) * unit(random);
            const double amplitude = 1000 * std::pow(32.0, unit(random));
            rows.push_back({.name = at + "Tone" + std::to_string(j), .size = size, .tones = {{bin, amplitude, 2 * std::numbers::pi * unit(random)}}, .pointed = j < 2});
        }
        // The widest captions, of the row read through them: five digits of Hz, a negative phase.
        for (const double bin : {1.5, 2.7, 4.0, last - 5, last - 3.6, last - 2.5})
            rows.push_back({.name = at + "Edge" + std::to_string(rows.size()), .size = size, .tones = {{bin, 20000, 2 * std::numbers::pi * unit(random)}}, .tolerance_bins = 1e-3, .pointed = bin == last - 3.6});
        rows.push_back({.name = at + "ToneInNoise", .size = size, .tones = {{last / 3 + 0.3, 10000, 0.5}}, .noise_sigma = 3, .tolerance_bins = 1e-3});
        // The weak tone lies in the strong one's sidelobes (0.6 of its magnitude of 27 at
        // 200 bins), which the fit does not model.
        rows.push_back({.name = at + "WeakToneBesideAStrongOne", .size = size, .tones = {{30.4, 10000, 1}, {230.4, 100, 2}}, .noise_sigma = 3, .tolerance_bins = 0.05, .tolerance_db = 0.5});
        // The keys walk the tones by frequency, whichever is the stronger.
        rows.push_back({.name = at + "StrongerToneAbove", .size = size, .tones = {{last / 2 + 0.3, 16000, 1}, {last / 8 + 0.2, 4000, 2}}, .tolerance_bins = 1e-3, .tolerance_db = 0.05, .pointed = true});
        rows.push_back({.name = at + "TwoTonesSample", .size = size, .tones = {{440.0 * double(size) / 44100, 12000}, {2500.0 * double(size) / 44100, 5000}}, .tolerance_bins = 1e-3, .pointed = true, .file = SAMPLES_DIR "/two-tones.wav"});
        rows.push_back({.name = at + "Dither", .size = size, .dither = true});
        rows.push_back({.name = at + "Silence", .size = size});
    }
    // clang-format on
    return rows;
}

class ToneSweep : public Scenario, public testing::WithParamInterface<Signal> {};

TEST_P(ToneSweep, ItsTonesAreTheGeneratedOnesAtTheirFrequencyAndLevel) {
    const Signal& signal = GetParam();
    choose(std::to_string(signal.size).c_str());
    load(signal.file ? std::string(signal.file) : file("tone.wav", samplesOf(signal, 7)));
    ASSERT_NE(seliii, nullptr);
    const long bins = signal.size / 2;
    const auto inBins = [&](double hz) { return hz * double(signal.size) / 44100; };
    const auto dbfs = [](const Tone& tone) { return 20 * std::log10(tone.amplitude / 32767); };
    const std::vector<BinReading> peaks =
        strongestPeaks({power, phase, bins, signal.size, 44100}, bins, false);
    ASSERT_EQ(peaks.size(), signal.tones.size());
    for (std::size_t i = 0; i < peaks.size(); ++i) {
        EXPECT_NEAR(inBins(peaks[i].frequency_hz), signal.tones[i].bin, signal.tolerance_bins);
        EXPECT_NEAR(peaks[i].level_dbfs, dbfs(signal.tones[i]), signal.tolerance_db);
    }
    if (!signal.pointed) return;
    // The captions round the reading: a thousandth of a Hz, a hundredth of a dB.
    const auto expectCaptionReads = [&](const Tone& tone) {
        double frequency_hz = 0, level_dbfs = 0;
        long shown_bin = 0;
        const std::string caption = label(names::kPowerCaption);
        ASSERT_EQ(3, std::sscanf(caption.c_str(), "power   peak %lf Hz   %lf dBFS   bin %ld",
                                 &frequency_hz, &level_dbfs, &shown_bin))
            << caption;
        EXPECT_EQ(shown_bin, std::lround(tone.bin));
        EXPECT_NEAR(inBins(frequency_hz), tone.bin, signal.tolerance_bins + 5e-4);
        EXPECT_NEAR(level_dbfs, dbfs(tone), signal.tolerance_db + 0.005);
        EXPECT_THAT(label(names::kPhaseCaption), testing::StartsWith("phase   peak "));
        // Each caption fits its plot's width: the label shows it whole.
        for (const char* shown : {names::kPowerCaption, names::kPhaseCaption})
            EXPECT_EQ(qobject_cast<QLabel*>(session.qtWidget(shown))->text().toStdString(),
                      label(shown));
    };
    const Snapshot before = snapshot();
    const QImage picture = session.grabWindow();
    session.point(10 + pointColumn(plotColumns(388, bins), std::lround(signal.tones[0].bin)), 425);
    EXPECT_EQ(snapshot(), before) << "the readout changes no state and no picture";
    expectCaptionReads(signal.tones[0]);
    const std::string pointed = label(names::kPowerCaption);

    // The keys walk the peaks from the lowest, and stay on the last; Escape ends their
    // reading.
    session.leave();
    session.focus(names::kPowerArea);
    std::vector<Tone> by_bin = signal.tones;
    std::ranges::sort(by_bin, {}, &Tone::bin);
    by_bin.push_back(by_bin.back());  // the last again: the keys stay there
    for (const Tone& tone : by_bin) {
        session.key(names::kPowerArea, "Shift+Right");
        expectCaptionReads(tone);
    }
    if (by_bin.size() > 2) {
        session.key(names::kPowerArea, "Shift+Left");
        expectCaptionReads(by_bin[by_bin.size() - 3]);
    } else {
        EXPECT_EQ(label(names::kPowerCaption), pointed);
    }
    // A picture of the window leaves the reading and the focus frame out, and gives them back.
    const std::string reading = label(names::kPowerCaption);
    EXPECT_EQ(session.grabWindow(), picture);
    EXPECT_EQ(label(names::kPowerCaption), reading);
    session.key(names::kPowerArea, "Escape");
    EXPECT_EQ(label(names::kPowerCaption), "power");
    EXPECT_EQ(snapshot(), before) << "the keys' reading changes no state and no picture";
}

INSTANTIATE_TEST_SUITE_P(Fit, ToneSweep, testing::ValuesIn(testSignals()),
                         [](const auto& info) { return info.param.name; });

}  // namespace

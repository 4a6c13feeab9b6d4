// Tones between two bins, at every size, read through the window's power plot (at
// (10, 260), 388 x 330): the caption names the interpolated peak within a fiftieth of a bin.
#include <cmath>
#include <cstdio>

#include "names/window_names.h"
#include "plot/plot_columns.h"
#include "scenario.h"

namespace {

struct Tone {
    long size;
    double bin;  // the tone's frequency in bins
    double amplitude;
};

// Twelve tones a size, strictly between bins 4 and N/2 - 5, each at another place between
// two bins.
std::vector<Tone> toneSweep() {
    std::vector<Tone> tones;
    for (const long size : names::kSegmentSizes) {
        for (int j = 0; j < 12; ++j)
            tones.push_back(
                {size, 4 + (double(size) / 2 - 9) * (j + 0.37) / 12, 1000.0 * (1 << (j % 4))});
    }
    return tones;
}

class ToneSweep : public Scenario, public testing::WithParamInterface<Tone> {};

TEST_P(ToneSweep, ThePowerCaptionReadsThePeakWithinAFiftiethOfABin) {
    const Tone& tone = GetParam();
    const auto samples = wave_builder::sine(tone.bin * 44100.0 / tone.size, tone.amplitude,
                                            static_cast<std::size_t>(tone.size));
    choose(std::to_string(tone.size).c_str());
    load(file("tone.wav", samples));
    const Snapshot before = snapshot();
    session.point(10 + pointColumn(plotColumns(388, tone.size / 2), std::lround(tone.bin)), 425);
    EXPECT_EQ(snapshot(), before) << "the readout changes no state and no picture";
    double frequency_hz = 0;
    ASSERT_EQ(
        std::sscanf(label(names::kPowerCaption).c_str(), "power   peak %lf Hz", &frequency_hz), 1)
        << label(names::kPowerCaption);
    EXPECT_NEAR(frequency_hz * double(tone.size) / 44100.0, tone.bin, 0.02);
    EXPECT_EQ(label(names::kPhaseCaption).rfind("phase   peak ", 0), 0u)
        << label(names::kPhaseCaption);
}

INSTANTIATE_TEST_SUITE_P(Pointer, ToneSweep, testing::ValuesIn(toneSweep()), [](const auto& info) {
    return "N" + std::to_string(info.param.size) + "Tone" + std::to_string(info.index);
});

}  // namespace

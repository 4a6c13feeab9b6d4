#include <cmath>
#include <numbers>

#include "scenario.h"
#include "fftw_oracle.h"
#include "names/window_names.h"

namespace {

using wave_builder::pattern;

// A picture holding nothing but white and the frame's black, as the views start.
std::size_t blackCount(const std::vector<uint32_t>& picture)
{
    std::size_t count = 0;
    for (uint32_t p : picture) count += p == 0xff000000u;
    return count;
}

std::vector<int16_t> tones(std::size_t n)
{
    std::vector<int16_t> samples(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / 44100.0;
        samples[i] = int16_t(9000 * std::sin(2 * std::numbers::pi * 440 * t) +
                             4000 * std::sin(2 * std::numbers::pi * 3000 * t));
    }
    return samples;
}

using Load = Scenario;

TEST_F(Load, ALongFileIsCutWithANoticeAndShownWhole)
{
    const std::vector<int16_t> samples = tones(30000);
    const std::vector<std::vector<uint32_t>> before = {view(1), view(2), view(3), view(4)};
    load(file("long tone.wav", samples));

    EXPECT_EQ(user.takeFileDialogPlaces(), (std::vector<std::string>{"120,120"}));
    EXPECT_EQ(user.takeMessages(),
              (std::vector<WSshownMessage>{{"Sorry, this program change parameter of wave length", "120", "120"}}));
    EXPECT_EQ(label(names::kNameLabel), "long tone.wav");
    EXPECT_EQ(label(names::kRateLabel), "44100Hz");
    EXPECT_EQ(label(names::kBitsLabel), "16bitsPerSamp");
    EXPECT_EQ(label(names::kPointsLabel), "22050");
    EXPECT_EQ(position(), "0");
    EXPECT_EQ(sliderMaximum(), "21026");
    EXPECT_EQ(sliderDrag(), "420");
    EXPECT_EQ(sliderValue(), "0");
    ASSERT_EQ(maxsize, 22050);
    EXPECT_TRUE(std::equal(siii, siii + maxsize, samples.begin()));
    for (int v = 1; v <= 4; ++v) {
        EXPECT_GT(blackCount(view(v)), blackCount(before[v - 1]) + 100) << "view " << v << " shows no curve";
    }

    ASSERT_EQ(selsize, 1024);
    const OracleSpectrum oracle = oracleSpectrum(segment());
    for (int k = 0; k < 512; ++k) {
        EXPECT_NEAR(power[k], oracle.log_power[k], 1e-9) << k;
        if (oracle.log_power[k] > 1e-9) {
            const double difference = std::remainder(phase[k] - oracle.phase[k], 2 * std::numbers::pi);
            EXPECT_NEAR(difference, 0.0, 1e-9) << k;
        }
    }
}

TEST_F(Load, ACancelOrARefusedFileChangesNothingOnScreenOrBehindIt)
{
    load(file("good.wav", pattern(5000)));
    choose("2048");
    slideTo(700);
    letGo();
    const Snapshot shown = snapshot();

    cancelLoad();
    EXPECT_EQ(snapshot(), shown);

    std::vector<unsigned char> stereo = wave_builder::riff(
        "WAVE", {wave_builder::fmt_chunk({.channels = 2}), wave_builder::chunk("data", wave_builder::sample_bytes(pattern(100)))});
    load(dir.write("stereo.wav", stereo));
    EXPECT_EQ(user.takeMessages(),
              (std::vector<WSshownMessage>{{"Sorry, this program is for single-channel only", "120", "120"}}));
    EXPECT_EQ(snapshot(), shown);
    load(dir.path().string() + "/missing.wav");
    EXPECT_EQ(user.takeMessages(), (std::vector<WSshownMessage>{{"file not found", "120", "120"}}));
    EXPECT_EQ(snapshot(), shown);
}

TEST_F(Load, AGoodFileAfterARefusedOneLoadsAsIfAlone)
{
    const std::string good = file("good.wav", pattern(4000));
    load(good);
    const Snapshot alone = snapshot();
    load(dir.write("empty.wav", {}));
    load(good);
    EXPECT_EQ(snapshot(), alone);
}

TEST_F(Load, AFileShorterThanTheSizeMakesNoSegmentUntilASmallerSizeIsChosen)
{
    const std::vector<uint32_t> start_up = view(2);
    const std::vector<int16_t> samples = pattern(1000);
    load(file("short.wav", samples));
    EXPECT_EQ(label(names::kPointsLabel), "1000");
    EXPECT_EQ(seliii, nullptr);
    EXPECT_EQ(sliderMaximum(), "-24");
    EXPECT_EQ(sliderDrag(), "0");

    choose("512");
    ASSERT_NE(seliii, nullptr);
    EXPECT_EQ(segment(), std::vector<short>(samples.begin(), samples.begin() + 512));
    EXPECT_EQ(sliderMaximum(), "488");
    EXPECT_EQ(sliderDrag(), "9");
    EXPECT_EQ(position(), "0");
    EXPECT_NE(view(2), start_up);
}

TEST_F(Load, SizesLargerThanTheWaveGiveNegativeRangesTruncatedTowardZero)
{
    load(file("three thousand.wav", pattern(3000)));
    choose("4096");
    EXPECT_EQ(sliderMaximum(), "-1096");
    EXPECT_EQ(sliderDrag(), "-21");
    EXPECT_EQ(seliii, nullptr);
    choose("2048");
    EXPECT_EQ(sliderMaximum(), "952");
    EXPECT_EQ(sliderDrag(), "19");
    EXPECT_NE(seliii, nullptr);
}

TEST_F(Load, TheSizeShownWhenLoadingIsTheSizeUsed)
{
    choose("4096");
    EXPECT_EQ(seliii, nullptr);
    EXPECT_EQ(position(), "position");
    load(file("a.wav", pattern(9000)));
    EXPECT_EQ(selsize, 4096);
    EXPECT_EQ(sliderMaximum(), "4904");
    EXPECT_EQ(position(), "0");
}

}  // namespace

// What the pointer reads out, worked out by hand on the plots' geometry: at width 388
// (mx = 11, span = 366) and 366 bins, bin k lies exactly at column 11 + k; at width 670
// (mx = 20, span = 630) and 22050 samples, column c starts with sample 35·(c − 20).
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "handlers/bin_readout.h"
#include "handlers/wave_readout.h"
#include "toolkit/WSband.h"

namespace {

constexpr unsigned short kSpectrumWidth = 388;
constexpr long kBins = 366;
constexpr long kSize = 2 * kBins;
constexpr long kRate = 44100;

struct BinCase {
    const char* name;
    std::vector<std::pair<long, double>> raised;  // over a flat log power of 1
    int x;
    std::optional<long> bin;
    bool peak;
    double offset;  // of the named frequency from the bin, in bins
};

const BinCase kBinCases[] = {
    {"PeakThreePixelsRightIsCaught", {{99, 3}, {100, 5}, {101, 2}}, 108, 100, true, -0.1},
    {"PeakFourPixelsAwayIsNot", {{99, 3}, {100, 5}, {101, 2}}, 107, 99, false, 0},
    {"EqualNeighboursPutTheVertexOnTheBin", {{49, 2}, {50, 4}, {51, 2}}, 61, 50, true, 0},
    {"OffCentreVertex", {{199, 0}, {200, 4}, {201, 2}}, 211, 200, true, 1.0 / 6},
    {"TwoEqualStrongestGiveTheLowerAndNoPeak", {{50, 4}, {51, 4}}, 61, 50, false, 0},
    {"FlatRunGivesTheLowestBinInReach", {}, 61, 47, false, 0},
    {"FirstBinHasNoLeftNeighbour", {{0, 9}, {1, 2}}, 11, 0, false, 0},
    {"LastBinHasNoRightNeighbour", {{364, 2}, {365, 9}}, 376, 365, false, 0},
    {"LeftMarginWithinReach", {{0, 9}}, 8, 0, false, 0},
    {"LeftMarginOutOfReach", {{0, 9}}, 7, std::nullopt, false, 0},
    {"RightOfTheLastBinOutOfReach", {{365, 9}}, 380, std::nullopt, false, 0},
};

class ReadoutBin : public testing::TestWithParam<BinCase> {};

TEST_P(ReadoutBin, NamesTheStrongestBinNearThePointerAndItsPeakFrequency) {
    const BinCase& c = GetParam();
    std::vector<double> log_power(kBins, 1.0);
    for (const auto& [bin, value] : c.raised) log_power[static_cast<std::size_t>(bin)] = value;
    const std::optional<long> bin = readoutBin(log_power.data(), kBins, kSpectrumWidth, c.x);
    ASSERT_EQ(bin, c.bin);
    if (!bin) return;
    const BinReading reading = readBin(log_power.data(), kBins, *bin, kSize, kRate);
    EXPECT_EQ(reading.peak, c.peak);
    EXPECT_NEAR(reading.frequency_hz * kSize / kRate - double(*bin), c.offset, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Readout, ReadoutBin, testing::ValuesIn(kBinCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ColumnCase {
    const char* name;
    long got;
    long expected;
};

constexpr unsigned short kWaveWidth = 670;

// 512 samples over 630 columns: sample i at column 20 + ⌊i · 630/512⌋, so column 25 falls
// between samples 4 (24.9) and 5 (26.2).
const ColumnCase kColumnCases[] = {
    {"FirstDrawnColumn", sampleAtColumn(kWaveWidth, 22050, 20), 0},
    {"LeftMarginHasNoSample", sampleAtColumn(kWaveWidth, 22050, 19), -1},
    {"RightMarginHasNoSample", sampleAtColumn(kWaveWidth, 22050, 650), -1},
    {"ColumnBetweenTwoSamples", sampleAtColumn(kWaveWidth, 512, 25), -1},
    {"ClickWithinThreePixels", withinClick(100, 50, 103, 47), true},
    {"DragBeyondThreePixels", withinClick(100, 50, 104, 50), false},
    {"BandTintsWhite", bandPixel(0xffffffffu), 0xffcfebfa},
    {"BandTintsBlack", bandPixel(0xff000000u), 0xff0f2c3a},
};

class ReadoutColumn : public testing::TestWithParam<ColumnCase> {};

TEST_P(ReadoutColumn, MatchesTheHandWorkedValue) {
    EXPECT_EQ(GetParam().got, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Readout, ReadoutColumn, testing::ValuesIn(kColumnCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadoutPeaks, StrongestFirstLowerBinOnATieEdgesNeverPeaks) {
    const std::vector<double> log_power = {4, 5, 0, 7, 0, 7, 0, 2, 3};
    EXPECT_EQ(strongestPeaks(log_power.data(), 9, 5), (std::vector<long>{3, 5, 1}));
    EXPECT_EQ(strongestPeaks(log_power.data(), 9, 2), (std::vector<long>{3, 5}));
}

}  // namespace

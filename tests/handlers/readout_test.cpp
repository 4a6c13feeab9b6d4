// What the pointer reads out, worked out by hand on the plots' geometry: at width 388
// (mx = 11, span = 366) and 366 bins, bin k lies exactly at column 11 + k; at width 670
// (mx = 20, span = 630) and 22050 samples, column c starts with sample 35·(c − 20).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "dsp/dbfs_level.h"
#include "dsp/tone_peaks.h"
#include "handlers/bin_readout.h"
#include "handlers/wave_readout.h"
#include "support/fftw_dft.h"
#include "toolkit/WSband.h"
#include "toolkit/WSwidgets.h"

namespace {

constexpr unsigned short kSpectrumWidth = 388;
constexpr long kBins = 366, kSize = 2 * kBins, kRate = 44100;

struct BinCase {
    const char* name;
    std::vector<std::pair<long, double>> raised;  // over a flat log power of 1
    int x;
    std::optional<long> bin;
    bool peak;
};

// A bin is a tone when P ≥ 10^1.5 · (e − 1), the floor's P: ln(1 + P) ≥ 4.0135. A tone of
// ln(1 + P) 20 (|X| = e^10) lies within half a bin of bin 100 with at least 0.8 of its
// magnitude there; its sidelobes at 9.5 bins reach at most 0.0519/9.5 of that, 161 (6 dB
// more: ln(1 + P) 11.6), and at 199.5 bins (with the mirror's and the periodic images') at
// most 18 (6 dB more: ln(1 + P) 7.1).
// Bins first … last raised to value, then the pairs of more.
std::vector<std::pair<long, double>> run(long first, long last, double value,
                                         const std::vector<std::pair<long, double>>& more) {
    std::vector<std::pair<long, double>> raised;
    for (long k = first; k <= last; ++k) raised.emplace_back(k, value);
    raised.insert(raised.end(), more.begin(), more.end());
    return raised;
}

// Within 6.65 bins the sidelobes reach 0.0078 of the tone: at 3.5 bins, with the images,
// 0.00822, so bin 104 beside that tone at 100 is one above ln(1 + P) 12.23. A floor of 6
// (the median of the 64 bins around a bin; at the top, the last 65 but the bin) asks for 9.45.
const BinCase kBinCases[] = {
    {"JustClearOfTheHighestSidelobeIsATone", {{100, 20}, {104, 12.8}}, 115, 104, true},
    {"JustUnderTheFarSidelobesMarginIsOne", {{100, 20}, {110, 11.45}}, 121, 110, false},
    {"AMaximumUnderItsFloorHidesNoWeakerTone", run(20, 80, 6, {{50, 8}, {300, 7}}), 311, 300, true},
    {"TheTopFloorCountsSixtyFiveBins", run(301, 332, 6, {{360, 8}}), 371, 360, false},
    {"PeakThreePixelsRightIsCaught", {{99, 3}, {100, 5}, {101, 2}}, 108, 100, true},
    {"PeakFourPixelsAwayIsNot", {{99, 3}, {100, 5}, {101, 2}}, 107, 99, false},
    {"JustFifteenDecibelsAboveTheFloorIsATone", {{50, 4.02}}, 61, 50, true},
    {"JustUnderFifteenDecibelsIsNoise", {{50, 4.0}}, 61, 50, false},
    {"FarBelowTheStrongerTonesSidelobesIsOne", {{100, 20}, {110, 10}}, 121, 110, false},
    {"ClearOfTheStrongerTonesSidelobesIsATone", {{100, 20}, {110, 13}}, 121, 110, true},
    {"FarFromTheStrongerToneAWeakerOneIsATone", {{100, 20}, {300, 8}}, 311, 300, true},
    {"TwoEqualStrongestGiveTheLowerAndNoPeak", {{50, 9}, {51, 9}}, 61, 50, false},
    {"FlatRunGivesTheLowestBinInReach", {}, 61, 47, false},
    {"FirstBinHasNoLeftNeighbour", {{0, 9}, {1, 2}}, 11, 0, false},
    {"LastBinHasNoRightNeighbour", {{364, 2}, {365, 9}}, 376, 365, false},
    {"LeftMarginWithinReach", {{0, 9}}, 8, 0, false},
    {"LeftMarginOutOfReach", {{0, 9}}, 7, std::nullopt, false},
    {"RightOfTheLastBinOutOfReach", {{365, 9}}, 380, std::nullopt, false},
};

class ReadoutBin : public testing::TestWithParam<BinCase> {};

TEST_P(ReadoutBin, NamesTheStrongestBinNearThePointerAndWhetherItIsATone) {
    const BinCase& c = GetParam();
    std::vector<double> log_power(kBins, 1.0);
    const std::vector<double> phase(kBins, 0.0);
    for (const auto& [bin, value] : c.raised) log_power[static_cast<std::size_t>(bin)] = value;
    const std::optional<long> bin =
        readoutBin(log_power.data(), plotColumns(kSpectrumWidth, kBins), c.x);
    ASSERT_EQ(bin, c.bin);
    if (!bin) return;
    const BinReading reading = readBin({log_power.data(), phase.data(), kBins, kSize, kRate}, *bin);
    EXPECT_EQ(reading.peak, c.peak);
    if (!c.peak) {
        EXPECT_DOUBLE_EQ(reading.frequency_hz, double(*bin) * kRate / kSize);
    }
}

INSTANTIATE_TEST_SUITE_P(Readout, ReadoutBin, testing::ValuesIn(kBinCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A value the code gives against one worked out by hand; levels in dBFS within 1e-9.
struct HandCase {
    template <class Got, class Expected>
    HandCase(const char* n, Got g, Expected e) : name(n), got(double(g)), expected(double(e)) {}
    const char* name;
    double got, expected;
    friend void PrintTo(const HandCase& row, std::ostream* out) { *out << row.name; }
};

constexpr unsigned short kWaveWidth = 670;
const std::vector<long> kPeaks = {2, 5, 7};
// Bin 10 raised over a flat run of 366 bins.
const std::vector<double> kBinTenRaised = [] {
    std::vector<double> log_power(kBins, 1.0);
    log_power[10] = 9;
    return log_power;
}();

// 512 samples over 630 columns: sample i at column 20 + ⌊i · 630/512⌋, so column 25 falls
// between samples 4 (24.9) and 5 (26.2).
const HandCase kHandCases[] = {
    {"FirstDrawnColumn", sampleAtColumn(kWaveWidth, 22050, 20), 0},
    {"LeftMarginHasNoSample", sampleAtColumn(kWaveWidth, 22050, 19), -1},
    {"RightMarginHasNoSample", sampleAtColumn(kWaveWidth, 22050, 650), -1},
    {"ColumnBetweenTwoSamples", sampleAtColumn(kWaveWidth, 512, 25), -1},
    // On a logarithmic axis from bin 1 to 366, bin 10 lies at 11 + 366·ln 10/ln 366 = 153.8,
    // not at 21; zoomed to bins 8 … 12.575, bin 10 at 11 + 2·80 = 171.
    {"LogarithmicAxisReadsTheBinAtItsColumn",
     readoutBin(kBinTenRaised.data(), plotColumns(kSpectrumWidth, kBins, {1, 366, true}), 153)
         .value_or(-1),
     10},
    {"ZoomedAxisReadsTheBinAtItsColumn",
     readoutBin(kBinTenRaised.data(), plotColumns(kSpectrumWidth, kBins, {8, 12.575}), 171)
         .value_or(-1),
     10},
    // Bins 10.5 … 193.5 shown (bin k at column 2k − 10): bin 10, in the margin, is out of reach.
    {"ZoomedAxisReadsNoBinLeftOfTheFrame",
     readoutBin(kBinTenRaised.data(), plotColumns(kSpectrumWidth, kBins, {10.5, 193.5}), 11)
         .value_or(-1),
     11},
    {"ClickWithinThreePixels", withinClick(100, 50, 103, 47), true},
    {"DragBeyondThreePixels", withinClick(100, 50, 104, 50), false},
    // A screen of a pixel ratio above 1 gives the pointer's place with a fraction: the
    // column that holds it, never the nearest.
    {"PointerLateInAColumnStaysInIt", pixelIndex(130.75), 130},
    {"PointerJustLeftOfZeroIsLeftOfIt", pixelIndex(-0.25), -1},
    {"BandTintsWhite", bandPixel(0xffffffffu), 0xffcfebfa},
    {"BandTintsBlack", bandPixel(0xff000000u), 0xff0f2c3a},
    // A quarter of the way from 255 toward 246, 116 and 0: (3·255 + c + 2)/4.
    {"SecondBandTintsWhite", bandPixel(0xffffffffu, kSecondBandColour), 0xfffddcbf},
    // The keys over ten bins with peaks at 2, 5 and 7; -1: the key moves nothing.
    {"RightBeginsAtTheFirstBin", keyedBin("Right", {}, 10, kPeaks).value_or(-1), 0},
    {"LeftBeginsAtTheLastBin", keyedBin("Left", {}, 10, kPeaks).value_or(-1), 9},
    {"RightStopsAtTheLastBin", keyedBin("Right", 9, 10, kPeaks).value_or(-1), 9},
    {"LeftStopsAtTheFirstBin", keyedBin("Left", 0, 10, kPeaks).value_or(-1), 0},
    {"EndGoesToTheLastBin", keyedBin("End", 3, 10, kPeaks).value_or(-1), 9},
    {"HomeGoesToTheFirstBin", keyedBin("Home", 3, 10, kPeaks).value_or(-1), 0},
    {"ShiftRightBeginsAtTheFirstPeak", keyedBin("Shift+Right", {}, 10, kPeaks).value_or(-1), 2},
    {"ShiftLeftBeginsAtTheLastPeak", keyedBin("Shift+Left", {}, 10, kPeaks).value_or(-1), 7},
    {"ShiftRightFromAPeakGoesToTheNext", keyedBin("Shift+Right", 2, 10, kPeaks).value_or(-1), 5},
    {"ShiftLeftFromBetweenGoesToTheLower", keyedBin("Shift+Left", 6, 10, kPeaks).value_or(-1), 5},
    {"ShiftRightPastTheLastPeakStays", keyedBin("Shift+Right", 8, 10, kPeaks).value_or(-1), 8},
    {"OtherKeysMoveNothing", keyedBin("Up", 4, 10, kPeaks).value_or(-1), -1},
    // At 1024 points Σw = 552.5: a full-scale sine centred on a bin leaves 32767 · 552.5/2048
    // there, 8839.73; P = 8839.73² is 0 dBFS, a tenth of it -10 dBFS.
    {"FullScaleBinIsZeroDbfs", binLevelDbfs(8839.730224609375 * 8839.730224609375, 1024), 0},
    {"TenthOfItsPowerIsMinusTen", binLevelDbfs(7814083.044387251, 1024), -10},
    {"HalfScaleToneIsMinusSixDbfs", toneLevelDbfs(32767.0 / 2), -6.020599913279624},
    {"SilentBinIsMinusInfinity", binLevelDbfs(0, 1024), -std::numeric_limits<double>::infinity()},
    // Against a reference: four times the power is 10·log10 4 dB above it, two silent bins
    // differ by nothing, a silent one against a sounding one by -∞.
    {"FourTimesThePowerIsSixDbAbove", binLevelDifferenceDb(400, 100), 6.020599913279624},
    {"TwoSilentBinsDifferByNothing", binLevelDifferenceDb(0, 0), 0},
    {"SilenceUnderASoundIsMinusInfinity", binLevelDifferenceDb(0, 1e-300),
     -std::numeric_limits<double>::infinity()},
};

class ReadoutHandWorked : public testing::TestWithParam<HandCase> {};

TEST_P(ReadoutHandWorked, MatchesTheHandWorkedValue) {
    const HandCase& c = GetParam();
    EXPECT_TRUE(c.got == c.expected || std::abs(c.got - c.expected) <= 1e-9) << c.got;
}

INSTANTIATE_TEST_SUITE_P(Readout, ReadoutHandWorked, testing::ValuesIn(kHandCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadoutPeaks, EveryLocalMaximumStrongestFirstLowerBinOnATieEdgesNever) {
    const std::vector<double> log_power = {4, 5, 0, 7, 0, 7, 0, 2, 3};
    EXPECT_EQ(localMaxima(log_power.data(), 9), (std::vector<long>{3, 5, 1}));
}

// The fit's standard error says how far its frequency strays: over 300 spectra of one tone
// in other white noise (FFTW's transform, noise far above the tone's sidelobes), the spread
// of the frequencies read is the error given, within 15 %.
TEST(ReadoutPeaks, FrequencyErrorIsTheSpreadOfTheFrequenciesRead) {
    constexpr long kN = 2048, kBin = 100;
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0, 1000);
    std::vector<double> read_hz, errors_hz;
    for (int run = 0; run < 300; ++run) {
        std::vector<double> samples(kN);
        for (long i = 0; i < kN; ++i)
            samples[std::size_t(i)] =
                2000 * std::sin(2 * std::numbers::pi * 100.3 * double(i) / kN + run) +
                noise(random);
        const auto bins = hammingSpectrum(samples.data(), kN);
        std::vector<double> log_power(kN / 2), phase(kN / 2);
        for (std::size_t k = 0; k < log_power.size(); ++k) {
            log_power[k] = std::log1p(std::norm(bins[k]));
            phase[k] = std::arg(bins[k]);
        }
        const BinReading reading =
            readPeak({log_power.data(), phase.data(), kN / 2, kN, kRate}, kBin);
        read_hz.push_back(reading.frequency_hz);
        errors_hz.push_back(reading.frequency_error_hz);
    }
    const double mean = std::accumulate(read_hz.begin(), read_hz.end(), 0.0) / 300;
    double squares = 0;
    for (const double hz : read_hz) squares += (hz - mean) * (hz - mean);
    const double spread = std::sqrt(squares / 299);
    const double error = std::accumulate(errors_hz.begin(), errors_hz.end(), 0.0) / 300;
    EXPECT_NEAR(spread / error, 1, 0.15) << spread << " Hz spread, " << error << " Hz given";
}

}  // namespace

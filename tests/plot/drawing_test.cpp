// What cmnDraw draws: exact pixels of the frames, ticks and curves, and findMax.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "picture.h"
#include "plot/cmnDraw.h"

namespace plot_test {
namespace {

// The picture starts black, so the white everywhere but the frame proves the clear too.
void expectScale(unsigned short width, unsigned short height, const std::vector<Line>& lines) {
    SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
    auto area = areaOf(width, height);
    auto device = blackDevice(width, height);
    drawScale(area.get(), device.get());
    EXPECT_EQ(differences(*device, *pictureWith(width, height, lines)), "");
}

// The window's own sizes are checked at start-up.
TEST(DrawScale, ClearsToWhiteAndDrawsAxisAndCentreLine) {
    // Odd height: the centre line is at H/2 rounded down.
    expectScale(101, 51, {{3, 50, 3, 1}, {98, 25, 3, 25}});
    // Under 34 pixels the margins are 0: the axis runs along the edge.
    expectScale(20, 9, {{0, 9, 0, 0}, {20, 4, 0, 4}});
}

// Ticks hang below the power axis at x = 11 + f·366/(rate/2): minor ones 4 pixels long,
// major ones 6.
void expectTicks(long rate, const std::vector<short>& minor, const std::vector<short>& major) {
    SCOPED_TRACE(rate);
    auto area = areaOf(388, 330);
    auto device = blackDevice(388, 330);
    drawScalePlus(area.get(), device.get(), rate);
    auto expected = pictureWith(388, 330, kPowerAxes);
    for (short x : minor) expected->drawLine(x, 321, x, 325);
    for (short x : major) expected->drawLine(x, 321, x, 327);
    EXPECT_EQ(differences(*device, *expected), "");
}

TEST(DrawScalePlus, TicksEveryKilohertzStrictlyBelowHalfTheRate) {
    // clang-format off
    expectTicks(44100, {27, 44, 60, 77, 93, 110, 127, 143, 160, 176, 193, 210, 226, 243, 259, 276, 293, 309, 326, 342, 359, 376}, {93, 176, 259, 342});
    // Half of 40000 is a multiple of both steps, yet no tick stands at the end of the axis.
    expectTicks(40000, {29, 47, 65, 84, 102, 120, 139, 157, 175, 194, 212, 230, 248, 267, 285, 303, 322, 340, 358}, {102, 194, 285});
    // clang-format on
    // No rate, a rate whose half is 0 Hz, or one whose half does not fit 16 bits.
    for (long rate : {0L, -44100L, 1L, 131072L, 200000L}) expectTicks(rate, {}, {});
    // Half the rate at the top of the 16-bit range: the counter stops at 65000 Hz instead
    // of wrapping round and ticking for ever.
    std::vector<short> minor, major;
    for (long f = 1000; f <= 65000; f += 1000)
        (f % 5000 ? minor : major).push_back(static_cast<short>(11 + f * 366 / 65535));
    expectTicks(131070, minor, major);
}

// On a logarithmic axis from bin 1 (44100/1024 Hz) to 512 (22050 Hz) the tick of f stands at
// column 11 + 366·ln(f/f1)/ln(fmax/f1), within a pixel, and hangs 2·9/3 = 6 pixels.
TEST(DrawScalePlus, LogarithmicTicksStandAtTheirFrequencies) {
    const double f1 = 44100.0 / 1024, fmax = 22050;
    const std::vector<double> frequencies = {50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000};
    std::vector<double> ticks;
    for (const double f : frequencies) ticks.push_back(f / f1);
    auto area = areaOf(388, 330);
    auto device = blackDevice(388, 330);
    drawScalePlus(area.get(), device.get(), 512, {1, 512, true}, ticks);
    std::vector<int> drawn;
    for (int x = 0; x < 388; ++x) {
        if (device->pixel(x, 326) != 0xffffffffu) drawn.push_back(x);
    }
    ASSERT_EQ(drawn.size(), frequencies.size());
    for (std::size_t i = 0; i < drawn.size(); ++i)
        EXPECT_NEAR(drawn[i], 11 + 366 * std::log(frequencies[i] / f1) / std::log(fmax / f1), 1);
}

// Curves: where the values land, and what is left out when a point cannot be placed.

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

enum Kind { shortWave, doubleWave, risingWave, zoomedRising };

// A 136 × 200 area has mx = 4, my = 6: 128 pixels across and 188 down.
struct CurveCase {
    const char* name;
    Kind kind;
    std::vector<double> values;
    double maximum;
    std::vector<Line> lines;  // all that the curve may draw, in device pixels
    unsigned short area_width = 136, area_height = 200;
    double ratio = 1;       // the device's pixel ratio
    PointRange range = {};  // zoomedRising: the points across the plot
    friend void PrintTo(const CurveCase& row, std::ostream* out) { *out << row.name; }
};

// A tone: count values of 1 and a 10 at peak.
std::vector<double> tone(std::size_t count, std::size_t peak) {
    std::vector<double> values(count, 1);
    values[peak] = 10;
    return values;
}

// A mark in the corner that the curve must leave: a curve draws over its frame, never
// clears it.
const std::vector<Line> kMark = {{0, 0, 2, 0}};

class CurveTest : public testing::TestWithParam<CurveCase> {};

TEST_P(CurveTest, DrawsExactlyItsSegments) {
    const CurveCase& c = GetParam();
    auto area = areaOf(c.area_width, c.area_height);
    auto device = pictureWith(136, 200, kMark, c.ratio);
    const long n = static_cast<long>(c.values.size());
    if (c.kind == shortWave) {
        const std::vector<short> samples(c.values.begin(), c.values.end());
        drawWave(area.get(), device.get(), samples.data(), n, static_cast<short>(c.maximum));
    } else if (c.kind == doubleWave) {
        drawWave(area.get(), device.get(), c.values.data(), n, c.maximum);
    } else if (c.kind == risingWave) {
        drawWavePlus(area.get(), device.get(), c.values.data(), n, c.maximum);
    } else {
        drawWavePlus(area.get(), device.get(), c.values.data(), n, c.maximum, c.range,
                     c.values.data());
    }
    auto expected = pictureWith(136, 200, kMark, c.ratio);
    drawLines(*expected, c.lines);
    EXPECT_EQ(differences(*device, *expected), "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Placement, CurveTest, testing::Values(
    // ±maximum reach the margins; two values span half the width.
    CurveCase{"short_extremes", shortWave, {94, -94}, 94, {{4, 6, 68, 194}}},
    CurveCase{"double_extremes", doubleWave, {94, -94}, 94, {{4, 6, 68, 194}}},
    CurveCase{"rising_extremes", risingWave, {94, 0}, 94, {{4, 6, 68, 194}}},
    // Value i at x = 4 + i·128/4; 0 on the centre line; the last a step short of the margin.
    CurveCase{"four_values", shortWave, {0, 94, 0, -94}, 94, {{4, 100, 36, 6}, {36, 6, 68, 100}, {68, 100, 100, 194}}},
    // Fractions truncate: x = 4 + i·128/3 is 4, 46.7, 89.3; y = 100 ∓ 23.5.
    CurveCase{"truncated_fractions", doubleWave, {0.25, 0, -0.25}, 1, {{4, 76, 46, 100}, {46, 100, 89, 123}}},
    // Beyond the maximum (y = −88.94 unclamped): held at the top margin.
    CurveCase{"beyond_the_scale", doubleWave, {0, 2.01}, 1, {{4, 100, 68, 6}}},
    // A maximum of 0 or a non-finite one gives no vertical scale: nothing is placed.
    CurveCase{"silent_wave", shortWave, {0, 0, 0}, 0, {}},
    CurveCase{"silent_spectrum", risingWave, {0, 0, 0}, 0, {}},
    CurveCase{"nan_maximum", doubleWave, {0, 1}, kNaN, {}},
    // A point that has no coordinates takes out the two segments that meet there.
    CurveCase{"nan_value", doubleWave, {0, kNaN, 0, 3.2, 0}, 3.2, {{55, 100, 80, 6}, {80, 6, 106, 100}}},
    CurveCase{"infinite_values", risingWave, {kInf, 0, 4, -kInf}, 4, {{36, 194, 68, 6}}},
    // Far beyond the 16-bit coordinates, and −32768 against 94 or its own 32767: at the
    // margins.
    CurveCase{"far_beyond_the_scale", doubleWave, {0, 1e6, 0}, 1, {{4, 100, 46, 6}, {46, 6, 89, 100}}},
    CurveCase{"lowest_sample", shortWave, {-32768, 94}, 94, {{4, 194, 68, 6}}},
    CurveCase{"all_lowest", shortWave, {-32768, -32768}, 32767, {{4, 194, 68, 194}}},
    // At a pixel ratio the points land at their coordinates times the ratio, truncated,
    // and the lines between them are one device pixel wide: (4, 6) … (68, 194) at 2, and
    // (4, 100), (36, 6), (68, 100), (100, 194) at 1.5.
    CurveCase{"double_extremes_at_ratio_2", doubleWave, {94, -94}, 94, {{8, 12, 136, 388}}, 136, 200, 2},
    CurveCase{"four_values_at_ratio_1_5", shortWave, {0, 94, 0, -94}, 94, {{6, 150, 54, 9}, {54, 9, 102, 150}, {102, 150, 150, 291}}, 136, 200, 1.5},
    // Zoomed to points 15.5 … 31.5, 8 pixels apart: point i at x = 8i − 120, the tone's
    // peak at 20 on column 40, the 1s at y = 194 − 18.8; the lines to points 15 (x = 0)
    // and 32 (x = 136) end at the frame's sides, 4 and 132.
    CurveCase{"zoomed_tone", zoomedRising, tone(40, 20), 10, {{4, 175, 32, 175}, {32, 175, 40, 6}, {40, 6, 48, 175}, {48, 175, 132, 175}}, 136, 200, 1, {15.5, 31.5}},
    // Two points a column (x = 4 + i/2): each column draws its strongest, the first on a tie.
    CurveCase{"strongest_of_each_column", zoomedRising, {0, 4, 4, 0, 0, 0, 4, 0}, 4, {{4, 6, 5, 6}, {5, 6, 6, 194}, {6, 194, 7, 6}}, 136, 200, 1, {0, 256}},
    // An area with no room divides by nothing and draws nothing.
    CurveCase{"no_width", doubleWave, {0, 1, -1}, 1, {}, 0, 100},
    CurveCase{"no_height", shortWave, {0, 1, -1}, 1, {}, 100, 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

template <class T>
T largestOf(const std::vector<T>& values) {
    return findMax(values.data(), static_cast<long>(values.size()));
}

// The largest magnitude, or −1 when there is none.
TEST(FindMax, GivesTheLargestMagnitude) {
    EXPECT_EQ(largestOf<short>({3, -7, 5}), 7);
    EXPECT_EQ(largestOf<short>({}), -1);
    const short four[] = {4};
    EXPECT_EQ(findMax(four, -3), -1);
    // −32768's magnitude saturates to the largest 16-bit value.
    EXPECT_EQ(largestOf<short>({-32768, 5}), 32767);
    EXPECT_EQ(largestOf<short>({5, -32767, -32768}), 32767);
    EXPECT_EQ(largestOf<double>({-2.5, 1.0}), 2.5);
    EXPECT_EQ(largestOf<double>({3.0, -kInf}), kInf);
    // NaN never compares greater: it is passed over.
    EXPECT_EQ(largestOf<double>({kNaN, 1.0, kNaN}), 1.0);
    EXPECT_EQ(largestOf<double>({kNaN}), -1.0);
}

}  // namespace
}  // namespace plot_test

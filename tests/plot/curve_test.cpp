// Curves: where the values land, and what is left out when a point cannot be placed.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <vector>

#include "picture.h"
#include "plot/cmnDraw.h"

namespace plot_test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A 136 × 200 area: mx = 4, my = 6, 128 pixels across, 188 down.
constexpr unsigned short kWidth = 136, kHeight = 200;

using Curve = std::function<void(WSCvdrawingArea*, WSDmwindowDev*)>;

struct CurveCase {
    const char* name;
    Curve draw;
    std::vector<Line> lines;  // what the curve must draw on a white picture, nothing else
};

void PrintTo(const CurveCase& c, std::ostream* out) { *out << c.name; }

class CurveTest : public testing::TestWithParam<CurveCase> {};

TEST_P(CurveTest, DrawsExactlyItsSegments)
{
    const CurveCase& c = GetParam();
    auto area = areaOf("area", kWidth, kHeight);
    auto device = pictureWith(kWidth, kHeight);
    c.draw(area.get(), device.get());
    auto expected = pictureWith(kWidth, kHeight);
    for (const Line& l : c.lines) expected->drawLine(l.x1, l.y1, l.x2, l.y2);
    EXPECT_EQ(differences(*device, *expected), "");
}

Curve shortWave(std::vector<short> values, short maximum)
{
    return [=](WSCvdrawingArea* a, WSDmwindowDev* d) {
        drawWave(a, d, values.data(), static_cast<long>(values.size()), maximum);
    };
}

Curve doubleWave(std::vector<double> values, double maximum)
{
    return [=](WSCvdrawingArea* a, WSDmwindowDev* d) {
        drawWave(a, d, values.data(), static_cast<long>(values.size()), maximum);
    };
}

Curve risingWave(std::vector<double> values, double maximum)
{
    return [=](WSCvdrawingArea* a, WSDmwindowDev* d) {
        drawWavePlus(a, d, values.data(), static_cast<long>(values.size()), maximum);
    };
}

INSTANTIATE_TEST_SUITE_P(
    Placement, CurveTest,
    testing::Values(
        // ±maximum reach the margins; two values span half the width.
        CurveCase{"short_extremes", shortWave({94, -94}, 94), {{4, 6, 68, 194}}},
        CurveCase{"double_extremes", doubleWave({94, -94}, 94), {{4, 6, 68, 194}}},
        CurveCase{"rising_extremes", risingWave({94, 0}, 94), {{4, 6, 68, 194}}},
        // Value i at x = 4 + i·128/4; 0 on the centre line; the last a step short of the margin.
        CurveCase{"short_four_values",
                  shortWave({0, 94, 0, -94}, 94),
                  {{4, 100, 36, 6}, {36, 6, 68, 100}, {68, 100, 100, 194}}},
        CurveCase{"double_four_values",
                  doubleWave({0, 3.2, 0, -3.2}, 3.2),
                  {{4, 100, 36, 6}, {36, 6, 68, 100}, {68, 100, 100, 194}}},
        // Fractions truncate: x = 4 + i·128/3 is 4, 46.7, 89.3; y = 100 ∓ 23.5.
        CurveCase{"truncated_fractions",
                  doubleWave({0.25, 0, -0.25}, 1),
                  {{4, 76, 46, 100}, {46, 100, 89, 123}}},
        CurveCase{"rising_quarters",
                  risingWave({0, 1, 2}, 4),
                  {{4, 194, 46, 147}, {46, 147, 89, 100}}},
        // Beyond the maximum: drawn past the margin and clipped by the device only; y =
        // −88.94 truncates toward zero, to −88.
        CurveCase{"beyond_the_maximum", shortWave({0, 282}, 94), {{4, 100, 68, -182}}},
        CurveCase{"above_the_picture", doubleWave({0, 2.01}, 1), {{4, 100, 68, -88}}},
        // No segment for fewer than two values.
        CurveCase{"no_values", shortWave({}, 94), {}},
        CurveCase{"one_value", doubleWave({1.0}, 1.0), {}},
        // A maximum of 0 gives no vertical scale: nothing can be placed (silence is the
        // frame's own centre line or bottom axis).
        CurveCase{"silent_short", shortWave({0, 0, 0}, 0), {}},
        CurveCase{"silent_double", doubleWave({0, 0, 0}, 0), {}},
        CurveCase{"silent_spectrum", risingWave({0, 0, 0}, 0), {}},
        // A non-finite maximum scales nothing.
        CurveCase{"nan_maximum", doubleWave({0, 1}, kNaN), {}},
        CurveCase{"infinite_maximum", risingWave({0, 1}, kInf), {}},
        // A point that has no coordinates takes out the two segments that meet there.
        CurveCase{"nan_value",
                  doubleWave({0, kNaN, 0, 3.2, 0}, 3.2),
                  {{55, 100, 80, 6}, {80, 6, 106, 100}}},
        CurveCase{"infinite_values",
                  risingWave({kInf, 0, 4, -kInf}, 4),
                  {{36, 194, 68, 6}}},
        // 1e6 times the maximum is beyond the 16-bit coordinates; −32768 against a maximum
        // of 5 too.
        CurveCase{"beyond_coordinates", doubleWave({0, 1e6, 0}, 1), {}},
        CurveCase{"lowest_sample", shortWave({-32768, 5}, 5), {}}),
    [](const auto& info) { return std::string(info.param.name); });

// An area with no room (zero width or height) divides by nothing and draws nothing.
TEST(CurveInNoRoom, DrawsNothing)
{
    const std::vector<double> values{0, 1, -1};
    for (auto [width, height] : {std::pair{0, 100}, std::pair{100, 0}, std::pair{0, 0}}) {
        auto area = areaOf("area", static_cast<unsigned short>(width), static_cast<unsigned short>(height));
        auto device = pictureWith(100, 100);
        drawWave(area.get(), device.get(), values.data(), 3, 1.0);
        drawWavePlus(area.get(), device.get(), values.data(), 3, 1.0);
        const std::vector<short> samples{0, 1, -1};
        drawWave(area.get(), device.get(), samples.data(), 3, short{1});
        EXPECT_EQ(differences(*device, *pictureWith(100, 100)), "") << width << "x" << height;
    }
}

// A curve is drawn over what the picture holds: it does not clear the frame.
TEST(Curve, DrawsOverTheFrame)
{
    auto area = areaOf("area", 670, 100);
    auto device = pictureWith(670, 100);
    drawScale(area.get(), device.get());
    const std::vector<short> values{30, -30};
    drawWave(area.get(), device.get(), values.data(), 2, short{30});
    EXPECT_EQ(differences(*device, *pictureWith(670, 100, {{20, 97, 20, 3},
                                                           {650, 50, 20, 50},
                                                           {20, 3, 335, 97}})),
              "");
}

}  // namespace
}  // namespace plot_test

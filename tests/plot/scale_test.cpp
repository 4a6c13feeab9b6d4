// Frames: exact pixels of the axes, the centre line and the frequency ticks.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "picture.h"
#include "plot/cmnDraw.h"

namespace plot_test {
namespace {

struct FrameCase {
    const char* name;
    unsigned short width, height;
    std::vector<Line> lines;
};

void PrintTo(const FrameCase& c, std::ostream* out) { *out << c.name; }

class DrawScaleTest : public testing::TestWithParam<FrameCase> {};

// The picture starts black, so the white everywhere but the frame proves the clear too.
TEST_P(DrawScaleTest, ClearsToWhiteAndDrawsAxisAndCentreLine)
{
    const FrameCase& c = GetParam();
    auto area = areaOf("area", c.width, c.height);
    auto device = blackDevice(c.width, c.height);
    drawScale(area.get(), device.get());
    auto expected = pictureWith(c.width, c.height);
    for (const Line& l : c.lines) expected->drawLine(l.x1, l.y1, l.x2, l.y2);
    EXPECT_EQ(differences(*device, *expected), "");
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, DrawScaleTest,
    testing::Values(FrameCase{"wave_view", 670, 100, {{20, 97, 20, 3}, {650, 50, 20, 50}}},
                    FrameCase{"spectrum_view", 388, 330, {{11, 321, 11, 9}, {377, 165, 11, 165}}},
                    // Odd height: the centre line is at H/2 rounded down.
                    FrameCase{"odd_height", 101, 51, {{3, 50, 3, 1}, {98, 25, 3, 25}}},
                    // Under 34 pixels the margins are 0: the axis runs along the edge.
                    FrameCase{"tiny", 20, 9, {{0, 9, 0, 0}, {20, 4, 0, 4}}}),
    [](const auto& info) { return std::string(info.param.name); });

// The geometry follows the area's size properties at the time of the call, not the
// device's size.
TEST(DrawScale, ReadsTheAreaSizeOnEveryCall)
{
    auto area = areaOf("area", 670, 100);
    auto device = blackDevice(670, 100);
    resize(*area, 300, 60);
    drawScale(area.get(), device.get());
    auto expected = pictureWith(670, 100);
    // Only the 300 × 60 that the area now covers is cleared.
    for (unsigned short y = 0; y < 100; ++y) {
        for (unsigned short x = 0; x < 670; ++x) {
            if (x >= 300 || y >= 60) expected->setPixel(x, y, 0, 0, 0);
        }
    }
    expected->drawLine(9, 59, 9, 1);
    expected->drawLine(291, 30, 9, 30);
    EXPECT_EQ(differences(*device, *expected), "");
}

constexpr unsigned short kSpectrumWidth = 388, kSpectrumHeight = 330;

std::unique_ptr<WSDmwindowDev> spectrumAxes()
{
    return pictureWith(kSpectrumWidth, kSpectrumHeight, {{11, 321, 11, 9}, {377, 321, 11, 321}});
}

// 44100 Hz: minor ticks every 1000 Hz from 1000 to 22000 Hz, 4 pixels below the axis;
// major ticks at 5000 … 20000 Hz, 6 pixels below. x = 11 + f·366/22050.
TEST(DrawScalePlus, TicksEveryKilohertzUpToNyquist)
{
    auto area = areaOf("area", kSpectrumWidth, kSpectrumHeight);
    auto device = blackDevice(kSpectrumWidth, kSpectrumHeight);
    drawScalePlus(area.get(), device.get(), 44100);

    auto expected = spectrumAxes();
    for (short x : {27, 44, 60, 77, 93, 110, 127, 143, 160, 176, 193, 210, 226, 243, 259, 276, 293,
                    309, 326, 342, 359, 376}) {
        expected->drawLine(x, 321, x, 325);
    }
    for (short x : {93, 176, 259, 342}) expected->drawLine(x, 321, x, 327);
    EXPECT_EQ(differences(*device, *expected), "");
}

// 40000 Hz: half the rate is a whole multiple of both steps, and no tick stands there
// (x = 377, the end of the axis). x = 11 + f·366/20000.
TEST(DrawScalePlus, NoTickAtHalfTheRate)
{
    auto area = areaOf("area", kSpectrumWidth, kSpectrumHeight);
    auto device = blackDevice(kSpectrumWidth, kSpectrumHeight);
    drawScalePlus(area.get(), device.get(), 40000);

    auto expected = spectrumAxes();
    for (short x : {29, 47, 65, 84, 102, 120, 139, 157, 175, 194, 212, 230, 248, 267, 285, 303,
                    322, 340, 358}) {
        expected->drawLine(x, 321, x, 325);
    }
    for (short x : {102, 194, 285}) expected->drawLine(x, 321, x, 327);
    EXPECT_EQ(differences(*device, *expected), "");
}

class DrawScalePlusWithoutTicks : public testing::TestWithParam<long> {};

// No ticks without a rate, with a rate whose half is 0 Hz, or with one whose half does not
// fit the 16-bit tick counters.
TEST_P(DrawScalePlusWithoutTicks, DrawsTheAxesOnly)
{
    auto area = areaOf("area", kSpectrumWidth, kSpectrumHeight);
    auto device = blackDevice(kSpectrumWidth, kSpectrumHeight);
    drawScalePlus(area.get(), device.get(), GetParam());
    EXPECT_EQ(differences(*device, *spectrumAxes()), "");
}

INSTANTIATE_TEST_SUITE_P(Rates, DrawScalePlusWithoutTicks,
                         testing::Values(0L, -1L, -44100L, 1L, 131072L, 200000L));

// Half the rate at the top of the 16-bit range: the counter stops at 65000 Hz instead of
// wrapping round and ticking for ever.
TEST(DrawScalePlus, StopsTheCounterBeforeItWraps)
{
    auto area = areaOf("area", kSpectrumWidth, kSpectrumHeight);
    auto device = blackDevice(kSpectrumWidth, kSpectrumHeight);
    drawScalePlus(area.get(), device.get(), 131070);

    auto expected = spectrumAxes();
    for (long f = 1000; f <= 65000; f += 1000) {
        const auto x = static_cast<short>(11 + f * 366 / 65535);
        expected->drawLine(x, 321, x, f % 5000 == 0 ? 327 : 325);
    }
    EXPECT_EQ(differences(*device, *expected), "");
}

}  // namespace
}  // namespace plot_test

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "toolkit/toolkit.h"

namespace {

constexpr uint32_t kWhite = 0xffffffffu;
constexpr uint32_t kBlack = 0xff000000u;

using Points = std::set<std::pair<int, int>>;

Points blackPoints(const WSDdev& device) {
    Points points;
    for (int y = 0; y < device.height(); ++y) {
        for (int x = 0; x < device.width(); ++x) {
            if (device.pixel(x, y) == kBlack) points.emplace(x, y);
        }
    }
    return points;
}

TEST(Device, SizingGivesAWhitePictureAndSetPixelAndRunsStoreOnlyInsideIt) {
    WSDdev device;
    device.setSize(4, 3);
    unsigned short w = 0, h = 0;
    device.getGeometry(w, h);
    EXPECT_EQ(w, 4);
    EXPECT_EQ(h, 3);
    device.beginPixelAccess();
    device.setPixel(1, 2, 0x12, 0x34, 0x56);
    device.setPixel(4, 0, 0, 0, 0);
    device.setPixel(0, 3, 0, 0, 0);
    // A run past the right edge stops there rather than going on into the next row.
    device.setPixelRun(2, 0, 5, 0, 0, 0);
    device.setPixelRun(4, 1, 1, 0, 0, 0);
    device.setPixelRun(0, 3, 4, 0, 0, 0);
    device.endPixelAccess();
    EXPECT_EQ(device.pixel(1, 2), 0xff123456u);
    EXPECT_EQ(device.pixel(3, 2), kWhite);
    EXPECT_EQ(blackPoints(device), (Points{{2, 0}, {3, 0}}));
}

// Hand-worked lines; every other line is checked against the textbook one in line_runs_test.
TEST(Device, LinesIncludeBothEndsAndKeepOnlyTheirVisiblePart) {
    WSDdev device;
    const struct {
        short x1, y1, x2, y2;
        Points expected;
    } cases[] = {
        {2, 2, 2, 2, {{2, 2}}},
        {0, 0, 5, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}}},
        {-2, 1, 7, 1, {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}},
        {-32768, -32768, -32768, 32767, {}},
    };
    for (const auto& c : cases) {
        device.setSize(6, 5);
        device.beginDraw(0, 0, 6, 5, 1, 1);
        device.drawLine(c.x1, c.y1, c.x2, c.y2);
        device.endDraw();
        EXPECT_EQ(blackPoints(device), c.expected)
            << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
    }
}

}  // namespace

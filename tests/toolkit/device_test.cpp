// The drawing device: a white picture of its size, pixels stored only inside it, and lines
// drawn through the fast paths (vertical and horizontal runs) and the general loop giving
// the very points of the one Bresenham line, clipped to the picture.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>

#include "toolkit/toolkit.h"

namespace {

using Points = std::set<std::pair<int, int>>;

// The all-octant Bresenham line, both ends included, kept where it falls in the picture.
Points referenceLine(int x1, int y1, int x2, int y2, int width, int height) {
    Points points;
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    for (int x = x1, y = y1;;) {
        if (x >= 0 && x < width && y >= 0 && y < height) points.emplace(x, y);
        if (x == x2 && y == y2) break;
        const int e2 = 2 * err;
        if (e2 >= dy) err += dy, x += sx;
        if (e2 <= dx) err += dx, y += sy;
    }
    return points;
}

Points blackPoints(const WSDdev& device) {
    Points points;
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x)
            if (device.pixel(x, y) == 0xff000000u) points.emplace(x, y);
    return points;
}

TEST(Device, SizingGivesAWhitePictureAndSetPixelAndRunsStoreOnlyInsideIt) {
    WSDdev device;
    device.setSize(4, 3);
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
    EXPECT_EQ(device.pixel(3, 2), 0xffffffffu);
    EXPECT_EQ(blackPoints(device), (Points{{2, 0}, {3, 0}}));
}

// Every line between two points of a grid one pixel wider than the picture on each side:
// runs along the edges, single points, every octant, inside and partly outside.
TEST(LineRuns, EveryLineInASmallPictureIsTheBresenhamLine) {
    constexpr int kWidth = 7, kHeight = 6;
    WSDdev device;
    for (short x1 = -1; x1 <= kWidth; ++x1)
        for (short y1 = -1; y1 <= kHeight; ++y1)
            for (short x2 = -1; x2 <= kWidth; ++x2)
                for (short y2 = -1; y2 <= kHeight; ++y2) {
                    device.setSize(kWidth, kHeight);
                    device.drawLine(x1, y1, x2, y2);
                    ASSERT_EQ(blackPoints(device), referenceLine(x1, y1, x2, y2, kWidth, kHeight))
                        << "(" << x1 << ", " << y1 << ") to (" << x2 << ", " << y2 << ")";
                }
}

}  // namespace

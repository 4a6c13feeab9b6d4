// The real window, started headless: the four views show their empty frames at once.
#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "picture.h"
#include "plot/view_devices.h"
#include "toolkit/WSevents.h"
#include "toolkit/qt/headless.h"

namespace plot_test {
namespace {

struct AreaCase {
    const char* name;
    WSDmwindowDev** device;
    int x, y;  // the area's place in the window
    unsigned short width, height;
    std::vector<Line> frame;
};

// View 3 has no ticks: no file is loaded at start-up.
const AreaCase kAreas[] = {
    {"newvdra_001", &mdev, 120, 10, 670, 100, {{20, 97, 20, 3}, {650, 50, 20, 50}}},
    {"newvdra_002", &mdev2, 120, 135, 670, 100, {{20, 97, 20, 3}, {650, 50, 20, 50}}},
    {"newvdra_000", &mdev3, 10, 260, 388, 330, {{11, 321, 11, 9}, {377, 321, 11, 321}}},
    {"newvdra_003", &mdev4, 402, 260, 388, 330, {{11, 321, 11, 9}, {377, 165, 11, 165}}},
};

class StartUp : public testing::Test {
protected:
    wsqt::HeadlessSession session;
};

TEST_F(StartUp, EveryViewHoldsAndShowsItsEmptyFrame)
{
    for (const AreaCase& a : kAreas) {
        SCOPED_TRACE(a.name);
        ASSERT_NE(*a.device, nullptr);
        auto expected = pictureWith(a.width, a.height, a.frame);
        EXPECT_EQ(differences(**a.device, *expected), "");
        EXPECT_EQ(differences(*session.find(a.name)->getdev(), *expected), "");
    }
}

// What a user sees: each area's pixels in the grabbed window are the frame's, at the
// area's place.
TEST_F(StartUp, WindowShowsTheFramesInPlace)
{
    const QImage shot = session.grabWindow().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(800, 600));
    for (const AreaCase& a : kAreas) {
        SCOPED_TRACE(a.name);
        auto expected = pictureWith(a.width, a.height, a.frame);
        int wrong = 0;
        for (int y = 0; y < a.height; ++y) {
            for (int x = 0; x < a.width; ++x) {
                if (shot.pixel(a.x + x, a.y + y) != expected->pixel(x, y)) ++wrong;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
    // The vertical axis of view 1, one pixel either side, and the window's own background.
    EXPECT_EQ(shot.pixel(140, 13), 0xff000000u);
    EXPECT_EQ(shot.pixel(140, 107), 0xff000000u);
    EXPECT_EQ(shot.pixel(140, 12), 0xffffffffu);
    EXPECT_EQ(shot.pixel(140, 108), 0xffffffffu);
    EXPECT_NE(shot.pixel(5, 300), 0xffffffffu);
}

// A second init event neither clears nor resizes the picture; it shows it again.
TEST_F(StartUp, LaterInitOnlyExposesAgain)
{
    WSCbase* area = session.find("newvdra_001");
    WSDmwindowDev* first = mdev;
    mdev->setPixel(300, 20, 0, 0, 0);
    area->execProcedure(WSEV_INITIALIZE);
    EXPECT_EQ(mdev, first);
    EXPECT_EQ(mdev->width(), 670);
    EXPECT_TRUE(isBlack(*mdev, 300, 20));
    EXPECT_TRUE(isBlack(*area->getdev(), 300, 20));
}

}  // namespace
}  // namespace plot_test

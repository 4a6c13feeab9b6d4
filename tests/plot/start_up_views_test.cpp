// The real window, started headless: the four views show their empty frames at once.
#include <gtest/gtest.h>

#include <QImage>

#include "names/window_names.h"
#include "picture.h"
#include "plot/view_devices.h"
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
    {names::kWholeWaveArea, &mdev, 120, 10, 670, 100, kWaveFrame},
    {names::kSegmentArea, &mdev2, 120, 135, 670, 100, kWaveFrame},
    {names::kPowerArea, &mdev3, 10, 260, 388, 330, kPowerAxes},
    {names::kPhaseArea, &mdev4, 402, 260, 388, 330, kSpectrumFrame},
};

// Each view's device holds its frame, its area shows it, and so does the grabbed window,
// pixel for pixel at the area's place.
TEST(StartUp, EveryViewShowsItsEmptyFrameInPlace) {
    wsqt::HeadlessSession session;
    const QImage shot = session.grabWindow().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(800, 600));
    for (const AreaCase& a : kAreas) {
        SCOPED_TRACE(a.name);
        ASSERT_NE(*a.device, nullptr);
        auto expected = pictureWith(a.width, a.height, a.frame);
        EXPECT_EQ(differences(**a.device, *expected), "");
        EXPECT_EQ(differences(*session.find(a.name)->getdev(), *expected), "");
        int wrong = 0;
        for (int y = 0; y < a.height; ++y) {
            for (int x = 0; x < a.width; ++x) {
                wrong += shot.pixel(a.x + x, a.y + y) != expected->pixel(x, y);
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

}  // namespace
}  // namespace plot_test

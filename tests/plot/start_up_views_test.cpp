// The real window, started headless: the four views show their empty frames at once.
#include <gtest/gtest.h>

#include "names/window_names.h"
#include "picture.h"
#include "plot/view_devices.h"
#include "toolkit/qt/headless.h"

namespace plot_test {
namespace {

struct AreaCase {
    const char* name;
    WSDmwindowDev** device;
    unsigned short width, height;
    std::vector<Line> frame;
};

// View 3 has no ticks: no file is loaded at start-up.
const AreaCase kAreas[] = {
    {names::kWholeWaveArea, &mdev, 670, 100, kWaveFrame},
    {names::kSegmentArea, &mdev2, 670, 100, kWaveFrame},
    {names::kPowerArea, &mdev3, 388, 330, kPowerAxes},
    {names::kPhaseArea, &mdev4, 388, 330, kSpectrumFrame},
};

// Each view's device holds its frame and its area shows it.
TEST(StartUp, EveryViewShowsItsEmptyFrame) {
    wsqt::HeadlessSession session;
    for (const AreaCase& a : kAreas) {
        SCOPED_TRACE(a.name);
        ASSERT_NE(*a.device, nullptr);
        auto expected = pictureWith(a.width, a.height, a.frame);
        EXPECT_EQ(differences(**a.device, *expected), "");
        EXPECT_EQ(differences(*session.find(a.name)->getdev(), *expected), "");
    }
}

}  // namespace
}  // namespace plot_test

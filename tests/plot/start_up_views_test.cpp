// The real window, started headless: the four views show their empty frames at once, and
// again at the window's new size and at the screen's pixel ratio.
#include <gtest/gtest.h>

#include <ostream>

#include "names/window_names.h"
#include "picture.h"
#include "plot/view_devices.h"
#include "support/start_up_state.h"
#include "toolkit/qt/headless.h"

namespace plot_test {
namespace {

struct AreaCase {
    const char* name;
    WSDmwindowDev** device;
    unsigned short width, height;
    std::vector<Line> frame;  // in device pixels
};

struct Shown {
    const char* name;
    int window_width, window_height;
    double ratio;
    std::vector<AreaCase> areas;
    friend void PrintTo(const Shown& row, std::ostream* out) { *out << row.name; }
};

// View 3 has no ticks: no file is loaded at start-up. At 1200 × 900 views 1 and 2 are
// 1070 × 100 (mx = 32), views 3 and 4 588 × 630 (mx = 17, my = 18); at a ratio every
// coordinate of 800 × 600 is multiplied by it and truncated: at 1.5, 3 × 1.5 and 97 × 1.5
// give 4 and 145.
// clang-format off
const Shown kShown[] = {
    {"at_start", 800, 600, 1, {{names::kWholeWaveArea, &mdev, 670, 100, kWaveFrame}, {names::kSegmentArea, &mdev2, 670, 100, kWaveFrame},
                               {names::kPowerArea, &mdev3, 388, 330, kPowerAxes}, {names::kPhaseArea, &mdev4, 388, 330, kSpectrumFrame}}},
    {"at_1200_x_900", 1200, 900, 1, {{names::kWholeWaveArea, &mdev, 1070, 100, {{32, 97, 32, 3}, {1038, 50, 32, 50}}},
                                     {names::kSegmentArea, &mdev2, 1070, 100, {{32, 97, 32, 3}, {1038, 50, 32, 50}}},
                                     {names::kPowerArea, &mdev3, 588, 630, {{17, 612, 17, 18}, {571, 612, 17, 612}}},
                                     {names::kPhaseArea, &mdev4, 588, 630, {{17, 612, 17, 18}, {571, 315, 17, 315}}}}},
    {"at_ratio_2", 800, 600, 2, {{names::kWholeWaveArea, &mdev, 670, 100, {{40, 194, 40, 6}, {1300, 100, 40, 100}}},
                                 {names::kPowerArea, &mdev3, 388, 330, {{22, 642, 22, 18}, {754, 642, 22, 642}}}}},
    {"at_ratio_1_5", 800, 600, 1.5, {{names::kSegmentArea, &mdev2, 670, 100, {{30, 145, 30, 4}, {975, 75, 30, 75}}},
                                     {names::kPhaseArea, &mdev4, 388, 330, {{16, 481, 16, 13}, {565, 247, 16, 247}}}}},
};
// clang-format on

class StartUp : public testing::TestWithParam<Shown> {};

// Each view's device holds its frame, at the area's size and the ratio, and its area shows it.
TEST_P(StartUp, EveryViewShowsItsEmptyFrame) {
    wsqt::HeadlessSession& session = start_up::freshSession();
    const Shown& shown = GetParam();
    session.resize(shown.window_width, shown.window_height);
    session.showAtPixelRatio(shown.ratio);
    for (const AreaCase& a : shown.areas) {
        SCOPED_TRACE(a.name);
        ASSERT_NE(*a.device, nullptr);
        auto expected = pictureWith(a.width, a.height, a.frame, shown.ratio);
        EXPECT_EQ(differences(**a.device, *expected), "");
        EXPECT_EQ(differences(*session.find(a.name)->getdev(), *expected), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Window, StartUp, testing::ValuesIn(kShown),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace plot_test

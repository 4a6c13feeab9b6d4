// The view update sequence, with the program's own expose callbacks and devices.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "picture.h"
#include "plot/view_callbacks.h"
#include "plot/view_devices.h"
#include "plot/view_update.h"
#include "toolkit/WSCprocedure.h"
#include "toolkit/WSevents.h"
#include "wave/analysis_state.h"

namespace plot_test {
namespace {

struct ViewCase {
    const char* name;
    PlotView view;
    const char* area_name;
    WSDmwindowDev** device;
    WSCcallback expose;
    unsigned short width, height;
    std::vector<Line> frame;
};

const ViewCase kViews[] = {
    {"wave", PlotView::wave, "newvdra_001", &mdev, gra1Expose_ep, 670, 100,
     {{20, 97, 20, 3}, {650, 50, 20, 50}}},
    {"segment", PlotView::segment, "newvdra_002", &mdev2, gra2Expose_ep, 670, 100,
     {{20, 97, 20, 3}, {650, 50, 20, 50}}},
    {"power", PlotView::power, "newvdra_000", &mdev3, gra3expose_ep, 388, 330,
     {{11, 321, 11, 9}, {377, 321, 11, 321}}},
    {"phase", PlotView::phase, "newvdra_003", &mdev4, gra4expose_ep, 388, 330,
     {{11, 321, 11, 9}, {377, 165, 11, 165}}},
};

// kViews holds the views in their numeric order.
std::size_t indexOf(const ViewCase& v) { return static_cast<std::size_t>(v.view) - 1; }

void PrintTo(const ViewCase& v, std::ostream* out) { *out << v.name; }

void forgetDevices()
{
    for (const ViewCase& v : kViews) {
        delete *v.device;
        *v.device = nullptr;
    }
    sampleFreq = 0;
}

// The window's four plot areas, each with its expose callback; no backend.
class ViewAreas : public testing::Test {
protected:
    void SetUp() override
    {
        forgetDevices();
        for (const ViewCase& v : kViews) {
            areas.push_back(areaOf(v.area_name, v.width, v.height));
            auto* procedure = new WSCprocedure("expose_ep", WSEV_EXPOSE);
            procedure->setFunction(v.expose, v.name);
            areas.back()->addProcedure(procedure);
        }
    }
    void TearDown() override { forgetDevices(); }

    WSCvdrawingArea* areaFor(const ViewCase& v) const { return areas[indexOf(v)].get(); }

    std::vector<std::unique_ptr<WSCvdrawingArea>> areas;
};

class ViewUpdate : public ViewAreas, public testing::WithParamInterface<ViewCase> {};

// Scale, then content over it, into the view's own device, which the window then shows.
TEST_P(ViewUpdate, DrawsScaleThenContentAndShowsThem)
{
    const ViewCase& v = GetParam();
    WSCvdrawingArea* seen_area = nullptr;
    WSDmwindowDev* seen_device = nullptr;
    updateView(v.view, [&](WSCvdrawingArea* area, WSDmwindowDev* device) {
        seen_area = area;
        seen_device = device;
        device->drawLine(0, 0, 200, 90);
    });

    ASSERT_NE(*v.device, nullptr);
    EXPECT_EQ(seen_device, *v.device);
    EXPECT_EQ(seen_area, areaFor(v));
    auto expected = pictureWith(v.width, v.height, v.frame);
    expected->drawLine(0, 0, 200, 90);
    EXPECT_EQ(differences(**v.device, *expected), "");
    EXPECT_EQ(differences(*areaFor(v)->getdev(), *expected), "");
}

// Each redraw starts from a blank scale: the old content is gone.
TEST_P(ViewUpdate, RedrawReplacesTheOldContent)
{
    const ViewCase& v = GetParam();
    updateView(v.view, [](WSCvdrawingArea*, WSDmwindowDev* device) { device->drawLine(0, 0, 200, 90); });
    WSDmwindowDev* first = *v.device;
    updateView(v.view, {});
    EXPECT_EQ(*v.device, first);
    EXPECT_EQ(differences(*areaFor(v)->getdev(), *pictureWith(v.width, v.height, v.frame)), "");
}

// A device, once made, keeps its first size when the area's size changes.
TEST_P(ViewUpdate, KeepsTheFirstDevice)
{
    const ViewCase& v = GetParam();
    updateView(v.view, {});
    WSDmwindowDev* first = *v.device;
    resize(*areaFor(v), 100, 50);
    updateView(v.view, {});
    EXPECT_EQ(*v.device, first);
    EXPECT_EQ(first->width(), v.width);
    EXPECT_EQ(first->height(), v.height);
}

TEST_P(ViewUpdate, MissingAreaIsSkipped)
{
    const ViewCase& v = GetParam();
    areas[indexOf(v)].reset();
    bool drawn = false;
    updateView(v.view, [&](WSCvdrawingArea*, WSDmwindowDev*) { drawn = true; });
    EXPECT_FALSE(drawn);
    EXPECT_EQ(*v.device, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Views, ViewUpdate, testing::ValuesIn(kViews),
                         [](const auto& info) { return std::string(info.param.name); });

// The power view's frequency axis follows the rate of the wave loaded at the time.
TEST_F(ViewAreas, PowerScaleUsesTheCurrentRate)
{
    const ViewCase& power = kViews[2];
    sampleFreq = 44100;
    updateView(PlotView::power, {});
    EXPECT_TRUE(isBlack(*areaFor(power)->getdev(), 27, 325));
    EXPECT_TRUE(isBlack(*areaFor(power)->getdev(), 342, 327));
    sampleFreq = 0;
    updateView(PlotView::power, {});
    EXPECT_TRUE(isWhite(*areaFor(power)->getdev(), 27, 325));
}

}  // namespace
}  // namespace plot_test

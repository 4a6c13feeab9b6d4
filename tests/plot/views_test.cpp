// The four views' init, expose and update, with the program's own callbacks and devices.
#include <gtest/gtest.h>

#include "names/window_names.h"
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
    PlotView view;
    const char* area_name;
    WSDmwindowDev** device;
    WSCcallback expose;
    unsigned short width, height;
    std::vector<Line> frame;
};

// In the views' numeric order.
const ViewCase kViews[] = {
    {PlotView::wave, names::kWholeWaveArea, &mdev, gra1Expose_ep, 670, 100, kWaveFrame},
    {PlotView::segment, names::kSegmentArea, &mdev2, gra2Expose_ep, 670, 100, kWaveFrame},
    {PlotView::power, names::kPowerArea, &mdev3, gra3expose_ep, 388, 330, kPowerAxes},
    {PlotView::phase, names::kPhaseArea, &mdev4, gra4expose_ep, 388, 330, kSpectrumFrame},
};

void forgetDevices()
{
    for (const ViewCase& v : kViews) {
        delete *v.device;
        *v.device = nullptr;
    }
    sampleFreq = 0;
}

// The window's four plot areas, each with its expose callback; no backend.
class Views : public testing::Test {
protected:
    void SetUp() override
    {
        forgetDevices();
        for (const ViewCase& v : kViews) {
            areas.push_back(areaOf(v.width, v.height, v.area_name));
            auto* procedure = new WSCprocedure("expose_ep", WSEV_EXPOSE);
            procedure->setFunction(v.expose, "expose");
            areas.back()->addProcedure(procedure);
        }
    }
    void TearDown() override { forgetDevices(); }

    std::vector<std::unique_ptr<WSCvdrawingArea>> areas;
};

// Every update draws a fresh scale, then the content over it, into the view's own device,
// made once, and the area shows the result: the old content is gone.
TEST_F(Views, UpdateDrawsAFreshScaleThenTheContentAndShowsThem)
{
    for (std::size_t i = 0; i < std::size(kViews); ++i) {
        const ViewCase& v = kViews[i];
        SCOPED_TRACE(v.area_name);
        updateView(v.view, [](WSCvdrawingArea*, WSDmwindowDev* d) { d->drawLine(0, 0, 200, 90); });
        WSDmwindowDev* first = *v.device;
        ASSERT_NE(first, nullptr);
        WSCvdrawingArea* seen_area = nullptr;
        updateView(v.view, [&](WSCvdrawingArea* area, WSDmwindowDev* device) {
            seen_area = area;
            device->drawLine(0, 90, 200, 0);
        });
        EXPECT_EQ(*v.device, first);
        EXPECT_EQ(seen_area, areas[i].get());
        auto expected = pictureWith(v.width, v.height, v.frame);
        expected->drawLine(0, 90, 200, 0);
        EXPECT_EQ(differences(*first, *expected), "");
        EXPECT_EQ(differences(*areas[i]->getdev(), *expected), "");
    }
}

// The power view's frequency axis follows the rate of the wave loaded at the time.
TEST_F(Views, PowerScaleUsesTheCurrentRate)
{
    sampleFreq = 44100;
    updateView(PlotView::power, {});
    EXPECT_TRUE(isBlack(*areas[2]->getdev(), 27, 325));
    sampleFreq = 0;
    updateView(PlotView::power, {});
    EXPECT_FALSE(isBlack(*areas[2]->getdev(), 27, 325));
}

}  // namespace
}  // namespace plot_test

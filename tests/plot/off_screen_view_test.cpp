// The init and expose logic shared by the four views, on a device slot of the test's own.
#include <gtest/gtest.h>

#include <algorithm>

#include "picture.h"
#include "plot/cmnDraw.h"
#include "plot/off_screen_view.h"
#include "toolkit/WSCprocedure.h"
#include "toolkit/WSevents.h"

namespace plot_test {
namespace {

WSDmwindowDev* slot = nullptr;
int exposures = 0;

// The area's expose callback: counts, then shows the slot's picture.
void exposeSlot(WSCbase* object)
{
    ++exposures;
    exposeView(object, slot);
}

void bindExpose(WSCbase& object)
{
    auto* procedure = new WSCprocedure("expose_ep", WSEV_EXPOSE);
    procedure->setFunction(exposeSlot, "exposeSlot");
    object.addProcedure(procedure);
}

class OffScreenView : public testing::Test {
protected:
    void SetUp() override
    {
        slot = nullptr;
        exposures = 0;
        bindExpose(*area);
    }
    void TearDown() override
    {
        delete slot;
        slot = nullptr;
    }

    std::unique_ptr<WSCvdrawingArea> area = areaOf("newvdra_001", 670, 100);
    std::unique_ptr<WSDmwindowDev> frame = pictureWith(670, 100, {{20, 97, 20, 3}, {650, 50, 20, 50}});
};

TEST_F(OffScreenView, FirstInitCreatesTheDeviceDrawsTheScaleAndShowsIt)
{
    initView(area.get(), slot, drawScale);
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(differences(*slot, *frame), "");
    EXPECT_EQ(exposures, 1);
    EXPECT_EQ(differences(*area->getdev(), *frame), "");
}

// A second init keeps the picture and the size; it only shows the picture again.
TEST_F(OffScreenView, LaterInitOnlyExposesAgain)
{
    initView(area.get(), slot, drawScale);
    WSDmwindowDev* first = slot;
    slot->setPixel(300, 20, 0, 0, 0);
    resize(*area, 400, 80);
    initView(area.get(), slot, drawScale);

    EXPECT_EQ(slot, first);
    unsigned short width = 0, height = 0;
    slot->getGeometry(width, height);
    EXPECT_EQ(width, 670);
    EXPECT_EQ(height, 100);
    EXPECT_TRUE(isBlack(*slot, 300, 20));
    EXPECT_EQ(exposures, 2);
    EXPECT_TRUE(isBlack(*area->getdev(), 300, 20));
}

// An object that is no drawing area gets no device, but its expose procedures still run.
TEST_F(OffScreenView, InitOfAnotherWidgetOnlyExposes)
{
    WSCvbtn button(nullptr, "newvbtn_000");
    bindExpose(button);
    initView(&button, slot, drawScale);
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(exposures, 1);
    initView(nullptr, slot, drawScale);
    EXPECT_EQ(slot, nullptr);
}

TEST_F(OffScreenView, ExposeBeforeTheDeviceExistsLeavesTheAreaUntouched)
{
    area->getdev()->setPixel(5, 5, 0, 0, 0);
    area->execProcedure(WSEV_EXPOSE);
    EXPECT_TRUE(isBlack(*area->getdev(), 5, 5));
    auto expected = pictureWith(670, 100);
    expected->setPixel(5, 5, 0, 0, 0);
    EXPECT_EQ(differences(*area->getdev(), *expected), "");
}

struct NewSize {
    unsigned short width, height;
};

class ExposeAfterResize : public OffScreenView, public testing::WithParamInterface<NewSize> {};

// The device keeps its first size; expose copies that, from the origin to the origin,
// whatever the area's size properties say now.
TEST_P(ExposeAfterResize, CopiesTheDevicesOwnPicture)
{
    initView(area.get(), slot, drawScale);
    slot->drawLine(0, 0, 669, 99);
    resize(*area, GetParam().width, GetParam().height);
    area->execProcedure(WSEV_EXPOSE);

    const WSDdev& window = *area->getdev();
    ASSERT_EQ(window.width(), GetParam().width);
    ASSERT_EQ(window.height(), GetParam().height);
    for (int y = 0; y < window.height(); ++y) {
        for (int x = 0; x < window.width(); ++x) {
            const uint32_t want = x < 670 && y < 100 ? slot->pixel(x, y) : 0xffffffffu;
            ASSERT_EQ(window.pixel(x, y), want) << "at " << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ExposeAfterResize,
                         testing::Values(NewSize{700, 120}, NewSize{300, 50}, NewSize{0, 0}));

}  // namespace
}  // namespace plot_test

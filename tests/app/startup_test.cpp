#include <gtest/gtest.h>

#include <string>

#include "app/Vendrall.h"
#include "handlers/control_callbacks.h"
#include "handlers/pointer_callbacks.h"
#include "names/window_names.h"
#include "plot/view_callbacks.h"
#include "toolkit/qt/headless.h"
#include "toolkit/toolkit.h"

namespace {

struct Registration {
    const char* name;
    WSCcallback function;
};

const Registration kCallbacks[] = {
    {"wave1act_ep", wave1act_ep},     {"gra1Init_ep", gra1Init_ep},   {"gra1Expose_ep", gra1Expose_ep},
    {"sli1valueCH_ep", sli1valueCH_ep}, {"sli1act_ep", sli1act_ep},   {"gra2Init_ep", gra2Init_ep},
    {"gra2Expose_ep", gra2Expose_ep}, {"combo1act_ep", combo1act_ep}, {"gra3init_ep", gra3init_ep},
    {"gra3expose_ep", gra3expose_ep}, {"gra4init_ep", gra4init_ep},   {"gra4expose_ep", gra4expose_ep},
    {"btn1act_ep", btn1act_ep},       {"btn2act_ep", btn2act_ep},
};

// Registered beside the fourteen: the pointer over the plots, and the band and readouts that
// follow the segment.
const Registration kPointerCallbacks[] = {
    {"specMove_ep", specMove_ep}, {"specLeave_ep", specLeave_ep},     {"gra1move_ep", gra1move_ep},
    {"gra1release_ep", gra1release_ep}, {"gra2move_ep", gra2move_ep}, {"sli1follow_ep", sli1follow_ep},
};

// Nothing has started the application yet: only static initialisation has run.
TEST(StartUp, TheFourteenCallbacksAndThePointerCallbacksAreRegisteredBeforeTheApplicationStarts)
{
    ASSERT_EQ(WSGFfontData(), nullptr) << "the init handlers must not have run yet";
    for (const Registration& r : kCallbacks) {
        EXPECT_EQ(WSCfunctionRegister::find(r.name), r.function) << r.name;
    }
    for (const Registration& r : kPointerCallbacks) {
        EXPECT_EQ(WSCfunctionRegister::find(r.name), r.function) << r.name;
    }
    EXPECT_EQ(WSCfunctionRegister::find("gra3Init_ep"), nullptr) << "names are case-sensitive";
    EXPECT_EQ(WSCfunctionRegister::count(), std::size(kCallbacks) + std::size(kPointerCallbacks));
}

TEST(StartUp, TheStaticConfigurationNamesTheApplicationAndItsEncoding)
{
    EXPECT_STREQ(WSGIappDev()->getInstanceName(), "Korimet");
    EXPECT_EQ(WSGIappLocaleSet()->getDefaultEncoding(), 21);
}

TEST(StartUp, TheTablesHoldOneCursorAndEightFontsThenNulls)
{
    EXPECT_STREQ(mou[0], "0   IDC_ARROW");
    for (int i = 1; i < 8; ++i) EXPECT_EQ(mou[i], nullptr) << i;
    const char* heights[] = {"13", "15", "17", "19", "22", "24", "26", "34"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(std::string(fon[i]), std::string(heights[i]) + ",0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック");
    }
    for (int i = 8; i < 16; ++i) EXPECT_EQ(fon[i], nullptr) << i;
}

TEST(StartUp, StartingHandsBothTablesToTheToolkitAndBuildsTheWindow)
{
    wsqt::HeadlessSession session;
    EXPECT_EQ(WSGFfontData(), fon);
    EXPECT_EQ(WSGFmouseCursorData(), mou);
    EXPECT_NE(WSGIappObjectList()->getInstance("WSCmainWindow", names::kMainWindow), nullptr);
}

}  // namespace

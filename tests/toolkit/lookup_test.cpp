#include <gtest/gtest.h>

#include "toolkit/toolkit.h"

namespace {

TEST(Lookup, FindsAWidgetOnlyByItsClassAndInstanceName)
{
    WSCmainWindow window(nullptr, "win");
    WSCvslider slider(&window, "slider_a");
    WSCvlabel label(&window, "label_a");
    WSCobjectList* list = WSGIappObjectList();

    EXPECT_EQ(list->getInstance("WSCvslider", "slider_a"), &slider);
    EXPECT_EQ(list->getInstance("WSCvlabel", "label_a"), &label);
    EXPECT_EQ(list->getInstance("WSCvlabel", "slider_a"), nullptr);
    EXPECT_EQ(list->getInstance("WSCvslider", "missing"), nullptr);
    EXPECT_EQ(list->getInstance(nullptr, "slider_a"), nullptr);
    EXPECT_EQ(list->getInstance("WSCvslider", nullptr), nullptr);
}

TEST(Lookup, ADestroyedWidgetIsNoLongerFound)
{
    auto* area = new WSCvdrawingArea(nullptr, "gone");
    ASSERT_NE(WSGIappObjectList()->getInstance("WSCvdrawingArea", "gone"), nullptr);
    delete area;
    EXPECT_EQ(WSGIappObjectList()->getInstance("WSCvdrawingArea", "gone"), nullptr);
}

TEST(Lookup, ConversionByClassNameGivesNullForAnotherClass)
{
    WSCvdrawingArea area(nullptr, "area");
    WSCbase* object = &area;
    EXPECT_EQ(object->cast("WSCvdrawingArea"), object);
    EXPECT_EQ(object->cast("WSCbase"), object);
    EXPECT_EQ(object->cast("WSCvslider"), nullptr);
    EXPECT_EQ(object->cast(""), nullptr);
    EXPECT_EQ(object->cast(nullptr), nullptr);
}

}  // namespace

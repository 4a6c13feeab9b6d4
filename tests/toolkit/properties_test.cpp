#include <gtest/gtest.h>

#include "toolkit/toolkit.h"

namespace {

TEST(Properties, ValuesOfEveryOverloadReadBackAsTheirText)
{
    WSCvslider slider(nullptr, "slider");
    slider.setPropertyV(_WSNx(), short{-5});
    slider.setPropertyV(_WSNwidth(), static_cast<unsigned short>(65535));
    slider.setPropertyV(_WSNvis(), static_cast<unsigned char>(1));
    slider.setPropertyV(_WSNname(), "slider");
    slider.setProperty(_WSNmaximum(), WSCvariant("-24"));

    EXPECT_STREQ(slider.getProperty(_WSNx()).text(), "-5");
    EXPECT_STREQ(slider.getProperty(_WSNwidth()).text(), "65535");
    EXPECT_STREQ(slider.getProperty(_WSNvis()).text(), "1");
    EXPECT_STREQ(slider.getProperty(_WSNname()).text(), "slider");
    EXPECT_STREQ(slider.getProperty(_WSNmaximum()).text(), "-24");
}

TEST(Properties, UnsetPropertiesReadEmptyExceptTheSliderMinimum)
{
    WSCvslider slider(nullptr, "slider");
    WSCvlabel label(nullptr, "label");
    EXPECT_STREQ(slider.getProperty(_WSNminimum()).text(), "0");
    EXPECT_STREQ(slider.getProperty(_WSNvalue()).text(), "");
    EXPECT_STREQ(slider.getProperty(_WSNmaximum()).text(), "");
    EXPECT_STREQ(label.getProperty(_WSNminimum()).text(), "");
    EXPECT_STREQ(label.getProperty(_WSNlabelString()).text(), "");
    EXPECT_STREQ(label.getProperty(nullptr).text(), "");
}

TEST(Properties, TextConvertsOnlyWhenItIsAnInRangeNumber)
{
    EXPECT_EQ(static_cast<unsigned short>(WSCvariant("670")), 670);
    EXPECT_EQ(static_cast<unsigned short>(WSCvariant("65535")), 65535);
    for (const char* text : {"", "abc", "-24", "65536", static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(static_cast<unsigned short>(WSCvariant(text)), 0) << (text ? text : "null");
    }
    const WSCstring string(WSCvariant("1024"), -2);
    EXPECT_STREQ(static_cast<const WSCvariant>(string).text(), "1024");
}

}  // namespace

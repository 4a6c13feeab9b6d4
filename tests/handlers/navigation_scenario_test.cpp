#include <QApplication>

#include "names/window_names.h"
#include "scenario.h"

namespace {

using wave_builder::pattern;

int segment_exposes = 0;

class Navigation : public Scenario {
protected:
    void SetUp() override
    {
        samples = pattern(6000);
        load(file("walk.wav", samples));
        ASSERT_EQ(selsize, 1024);
    }
    std::vector<short> samplesFrom(long start) const
    {
        return {samples.begin() + start, samples.begin() + start + selsize};
    }
    std::vector<int16_t> samples;
};

TEST_F(Navigation, MovingTheSliderFollowsWithLabelAndSegmentButNotTheSpectra)
{
    const std::vector<uint32_t> segment_at_0 = view(2), power_at_0 = view(3), phase_at_0 = view(4);
    slideTo(300);
    EXPECT_EQ(position(), "300");
    EXPECT_EQ(segment(), samplesFrom(300));
    EXPECT_NE(view(2), segment_at_0);
    EXPECT_EQ(view(3), power_at_0);
    EXPECT_EQ(view(4), phase_at_0);

    letGo();
    EXPECT_NE(view(3), power_at_0);
    EXPECT_NE(view(4), phase_at_0);
    EXPECT_EQ(position(), "300");
}

TEST_F(Navigation, AtTheSlidersMaximumTheSegmentEndsAtTheLastSample)
{
    EXPECT_EQ(sliderMaximum(), "4976");
    slideTo(4976);
    letGo();
    EXPECT_EQ(position(), "4976");
    EXPECT_EQ(segment().back(), samples.back());
    EXPECT_EQ(segment(), samplesFrom(4976));
}

TEST_F(Navigation, KeysOnTheFocusedSliderMoveItAndTheSpectraFollow)
{
    const std::vector<uint32_t> power_at_0 = view(3);
    session.key(names::kPositionSlider, Qt::Key_Right);
    EXPECT_EQ(position(), "1");
    EXPECT_NE(view(3), power_at_0);
    session.key(names::kPositionSlider, Qt::Key_End);
    EXPECT_EQ(position(), "4976");
    EXPECT_EQ(segment(), samplesFrom(4976));
    session.key(names::kPositionSlider, Qt::Key_PageUp);
    EXPECT_EQ(position(), "4976");
    session.key(names::kPositionSlider, Qt::Key_PageDown);  // one drag interval back
    EXPECT_EQ(position(), "4877");
    session.key(names::kPositionSlider, Qt::Key_Home);
    EXPECT_EQ(position(), "0");
}

TEST_F(Navigation, BackStepsOneSampleAndRedoesEverything)
{
    slideTo(5);
    letGo();
    const std::vector<uint32_t> power_at_5 = view(3);
    back();
    EXPECT_EQ(position(), "4");
    EXPECT_EQ(sliderValue(), "4");
    EXPECT_EQ(segment(), samplesFrom(4));
    EXPECT_NE(view(3), power_at_5);
}

TEST_F(Navigation, TheButtonsStopAtBothEndsOfTheRange)
{
    back();
    EXPECT_EQ(position(), "0");
    EXPECT_EQ(sliderValue(), "0");
    EXPECT_EQ(segment(), samplesFrom(0));

    slideTo(4976);
    letGo();
    forw();
    EXPECT_EQ(position(), "4976");
    EXPECT_EQ(sliderValue(), "4976");
    EXPECT_EQ(segment(), samplesFrom(4976));
    forw();
    back();
    EXPECT_EQ(position(), "4975");
}

TEST_F(Navigation, ChoosingTheCurrentSizeRebuildsAndReturnsToTheStart)
{
    slideTo(800);
    letGo();
    // Procedures cannot be removed, so the counter is bound once per process.
    static const bool counting = [] {
        auto* counter = new WSCprocedure("count", WSEV_EXPOSE);
        counter->setFunction([](WSCbase*) { ++segment_exposes; }, "count");
        wsqt::HeadlessSession::find(names::kSegmentArea)->addProcedure(counter);
        return true;
    }();
    ASSERT_TRUE(counting);
    segment_exposes = 0;

    // The combo box's own activation, as a choice of the current item raises it.
    wsqt::HeadlessSession::find(names::kSizeBox)->execProcedure(WSEV_ACTIVATE);
    EXPECT_EQ(segment_exposes, 2) << "the segment is drawn by the size change and again by the slider's value change";
    EXPECT_EQ(position(), "0");
    EXPECT_EQ(sliderValue(), "0");
    EXPECT_EQ(segment(), samplesFrom(0));
    EXPECT_NE(seliii, nullptr);
}

TEST_F(Navigation, OnlyTheFourSizesReachTheAnalysis)
{
    wsqt::HeadlessSession::find(names::kSizeBox)->setPropertyV(_WSNlabelString(), "-7");
    wsqt::HeadlessSession::find(names::kSizeBox)->execProcedure(WSEV_ACTIVATE);
    EXPECT_EQ(selsize, 1024);
    wsqt::HeadlessSession::find(names::kSizeBox)->setPropertyV(_WSNlabelString(), "1000");
    wsqt::HeadlessSession::find(names::kSizeBox)->execProcedure(WSEV_ACTIVATE);
    EXPECT_EQ(selsize, 1024);
    choose("512");
    EXPECT_EQ(selsize, 512);
    EXPECT_EQ(sliderMaximum(), "5488");
}

TEST_F(Navigation, NoSegmentMeansTheControlsDoNothing)
{
    choose("4096");
    choose("4096");
    load(file("tiny.wav", pattern(2000)));
    ASSERT_EQ(seliii, nullptr);
    const Snapshot shown = snapshot();
    forw();
    back();
    wsqt::HeadlessSession::find(names::kPositionSlider)->execProcedure(WSEV_VALUE_CHANGE);
    wsqt::HeadlessSession::find(names::kPositionSlider)->execProcedure(WSEV_ACTIVATE);
    EXPECT_EQ(snapshot(), shown);
}

using BeforeAnyLoad = Scenario;

TEST_F(BeforeAnyLoad, TheControlsDoNothing)
{
    session.click(names::kBackButton);
    session.click(names::kForwButton);
    wsqt::HeadlessSession::find(names::kPositionSlider)->execProcedure(WSEV_VALUE_CHANGE);
    wsqt::HeadlessSession::find(names::kPositionSlider)->execProcedure(WSEV_ACTIVATE);
    EXPECT_STREQ(wsqt::HeadlessSession::find(names::kPositionLabel)->getProperty(_WSNlabelString()).text(), "position");
    EXPECT_EQ(siii, nullptr);
    EXPECT_EQ(seliii, nullptr);
}

}  // namespace

#include <gtest/gtest.h>

#include <QLabel>
#include <QRect>
#include <QWidget>
#include <string>

#include "names/window_names.h"
#include "support/start_up_state.h"
#include "toolkit/qt/headless.h"
#include "toolkit/qt/qt_peer.h"
#include "toolkit/toolkit.h"

namespace {

int exposes = 0;

TEST(Window, APaintRaisesExposeUnlessTheProgramsOwnExposeJustCopiedThePicture) {
    wsqt::HeadlessSession& session = start_up::freshSession();
    WSCbase* area = session.find(names::kSegmentArea);
    start_up::bindOnce(area, WSEV_EXPOSE, [](WSCbase*) { ++exposes; });
    exposes = 0;

    area->execProcedure(WSEV_EXPOSE);
    session.settle();
    EXPECT_EQ(exposes, 1);
    session.qtWidget(names::kSegmentArea)->repaint();
    EXPECT_EQ(exposes, 2);
}

// Where each widget stands in the window, as designed; 0 where its size follows its text.
TEST(Window, EachWidgetStandsWhereTheLayoutPutsIt) {
    wsqt::HeadlessSession& session = start_up::freshSession();
    const struct {
        const char* name;
        QRect place;
    } layout[] = {
        {names::kSelectButton, {10, 8, 0, 0}},         {names::kWholeWaveArea, {120, 10, 670, 100}},
        {names::kPositionSlider, {120, 115, 670, 15}}, {names::kSegmentArea, {120, 135, 670, 100}},
        {names::kNameLabel, {10, 40, 0, 0}},           {names::kRateLabel, {10, 70, 0, 0}},
        {names::kBitsLabel, {10, 100, 0, 0}},          {names::kPointsLabel, {10, 130, 0, 0}},
        {names::kPositionLabel, {10, 160, 0, 0}},      {names::kSizeBox, {10, 190, 0, 20}},
        {names::kPowerArea, {10, 260, 388, 330}},      {names::kPhaseArea, {402, 260, 388, 330}},
        {names::kPowerCaption, {10, 240, 388, 18}},    {names::kPhaseCaption, {402, 240, 388, 18}},
        {names::kBackButton, {10, 214, 48, 22}},       {names::kForwButton, {63, 214, 48, 22}},
    };
    EXPECT_EQ(session.qtWidget(names::kMainWindow)->size(), QSize(800, 600));
    for (const auto& [name, place] : layout) {
        const QRect shown = session.qtWidget(name)->geometry();
        const QSize size(place.width() ? place.width() : shown.width(),
                         place.height() ? place.height() : shown.height());
        EXPECT_EQ(shown, QRect(place.topLeft(), size)) << name;
    }
}

TEST(Window, ALabelElidesATextThatDoesNotFitAndShowsItWholeAsItsTooltip) {
    wsqt::HeadlessSession& session = start_up::freshSession();
    auto* name = qobject_cast<QLabel*>(session.qtWidget(names::kNameLabel));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "name");
    EXPECT_EQ(name->toolTip(), "");

    const char* long_name = "a_recording_with_a_name_far_too_long_for_the_left_column.wav";
    session.find(names::kNameLabel)->setPropertyV(_WSNlabelString(), long_name);
    EXPECT_LE(name->width(), 105);
    // Cut in the middle, so that the name's ending stays in sight.
    EXPECT_TRUE(name->text().startsWith("a_rec") && name->text().endsWith(".wav") &&
                name->text().contains(QChar(0x2026)))
        << name->text().toStdString();
    EXPECT_EQ(name->toolTip(), long_name);
}

}  // namespace

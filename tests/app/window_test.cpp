#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QRect>
#include <QWidget>
#include <iterator>
#include <string>
#include <vector>

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

// Labels near the power frame's right side (377): "5k" ends 2 pixels short of it, and "10k",
// which would touch it, is left out, so the row above the axis (321) shows nothing left of "5k".
TEST(Window, AnAxisLabelThatWouldTouchTheOneBeforeItIsLeftOut) {
    wsqt::HeadlessSession& session = start_up::freshSession();
    session.find(names::kPowerArea)->setPropertyV(_WSNoverlayLabels(), "11,377,321;375:5k;376:10k");
    QWidget* power = session.qtWidget(names::kPowerArea);
    const QImage shown = power->grab().toImage();
    const int five_k_from = 375 - power->fontMetrics().horizontalAdvance("5k");
    int left_of_it = 0, in_it = 0;
    for (int y = 290; y < 321; ++y) {
        for (int x = 12; x < 377; ++x)
            (x < five_k_from ? left_of_it : in_it) += shown.pixel(x, y) != 0xffffffffu;
    }
    EXPECT_TRUE(left_of_it == 0 && in_it > 0) << left_of_it << " inked left of 5k, " << in_it;
}

struct Place {
    const char* name;
    QRect place;
};

// The left column, the same at every size of the window.
// clang-format off
const Place kLeftColumn[] = {
    {names::kSelectButton, {10, 8, 0, 0}}, {names::kNameLabel, {10, 40, 0, 0}}, {names::kRateLabel, {10, 70, 0, 0}},
    {names::kBitsLabel, {10, 100, 0, 0}}, {names::kPointsLabel, {10, 130, 0, 0}}, {names::kPositionLabel, {10, 160, 0, 0}},
    {names::kSizeBox, {10, 190, 0, 20}}, {names::kBackButton, {10, 214, 48, 22}}, {names::kForwButton, {63, 214, 48, 22}},
};
// clang-format on

struct Layout {
    QSize asked, shown;
    std::vector<Place> growing;
};

// The window resized as asked: views 1 and 2 and the slider take the extra width, views 3
// and 4 and their captions share it (an odd pixel goes between them) and take the extra
// height; the window takes no size below 800 x 600.
// clang-format off
const Layout kLayouts[] = {
    {{800, 600}, {800, 600}, {{names::kWholeWaveArea, {120, 10, 670, 100}}, {names::kPositionSlider, {120, 115, 670, 15}}, {names::kSegmentArea, {120, 135, 670, 100}},
                              {names::kPowerArea, {10, 260, 388, 330}}, {names::kPhaseArea, {402, 260, 388, 330}},
                              {names::kPowerCaption, {10, 240, 388, 18}}, {names::kPhaseCaption, {402, 240, 388, 18}}}},
    {{1200, 900}, {1200, 900}, {{names::kWholeWaveArea, {120, 10, 1070, 100}}, {names::kPositionSlider, {120, 115, 1070, 15}}, {names::kSegmentArea, {120, 135, 1070, 100}},
                                {names::kPowerArea, {10, 260, 588, 630}}, {names::kPhaseArea, {602, 260, 588, 630}},
                                {names::kPowerCaption, {10, 240, 588, 18}}, {names::kPhaseCaption, {602, 240, 588, 18}}}},
    {{1201, 601}, {1201, 601}, {{names::kPowerArea, {10, 260, 588, 331}}, {names::kPhaseArea, {603, 260, 588, 331}}}},
    {{700, 500}, {800, 600}, {{names::kSegmentArea, {120, 135, 670, 100}}}},
};
// clang-format on

// Where each widget stands, as designed; 0 where its size follows its text.
TEST(Window, EachWidgetStandsWhereTheLayoutPutsIt) {
    wsqt::HeadlessSession& session = start_up::freshSession();
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(std::to_string(layout.asked.width()) + " x " +
                     std::to_string(layout.asked.height()));
        session.resize(layout.asked.width(), layout.asked.height());
        EXPECT_EQ(session.qtWidget(names::kMainWindow)->size(), layout.shown);
        std::vector<Place> places(std::begin(kLeftColumn), std::end(kLeftColumn));
        places.insert(places.end(), layout.growing.begin(), layout.growing.end());
        for (const auto& [name, place] : places) {
            const QRect shown = session.qtWidget(name)->geometry();
            const QSize size(place.width() ? place.width() : shown.width(),
                             place.height() ? place.height() : shown.height());
            EXPECT_EQ(shown, QRect(place.topLeft(), size)) << name;
        }
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

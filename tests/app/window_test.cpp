#include <gtest/gtest.h>

#include <QLabel>
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

TEST(Window, ALabelElidesATextThatDoesNotFitAndShowsItWholeAsItsTooltip) {
    wsqt::HeadlessSession& session = start_up::freshSession();
    auto* name = qobject_cast<QLabel*>(session.qtWidget(names::kNameLabel));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "name");
    EXPECT_EQ(name->toolTip(), "");

    const char* long_name = "a_recording_with_a_name_far_too_long_for_the_left_column.wav";
    session.find(names::kNameLabel)->setPropertyV(_WSNlabelString(), long_name);
    EXPECT_LE(name->width(), 105);
    EXPECT_NE(name->text(), long_name);
    EXPECT_EQ(name->toolTip(), long_name);
}

}  // namespace

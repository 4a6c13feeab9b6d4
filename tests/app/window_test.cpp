#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <string>

#include "names/window_names.h"
#include "support/start_up_state.h"
#include "toolkit/qt/headless.h"
#include "toolkit/qt/qt_peer.h"
#include "toolkit/toolkit.h"

namespace {

TEST(Window, TheQtWindowShowsEveryWidgetWhereItsTableSays)
{
    wsqt::HeadlessSession& session = start_up::freshSession();
    QWidget* window = session.qtWidget(names::kMainWindow);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Sefaro");
    EXPECT_EQ(window->size(), QSize(800, 600));
    EXPECT_EQ(window->pos(), QPoint(100, 100));

    int children = 0;
    for (WSCbase* widget : WSGIappObjectList()->all()) {
        if (widget->getParent() == nullptr) continue;
        ++children;
        QWidget* shown = wsqt::widgetOf(widget);
        ASSERT_NE(shown, nullptr) << widget->getInstanceName();
        EXPECT_TRUE(shown->isVisible()) << widget->getInstanceName();
        EXPECT_EQ(shown->parentWidget(), window);
        EXPECT_EQ(shown->x(), QString(widget->getProperty(_WSNx()).text()).toInt());
        EXPECT_EQ(shown->y(), QString(widget->getProperty(_WSNy()).text()).toInt());
        const QString width = widget->getProperty(_WSNwidth()).text();
        if (!width.isEmpty()) {
            EXPECT_EQ(shown->width(), width.toInt()) << widget->getInstanceName();
        } else {
            // Left column widgets keep a default size that fits the column.
            EXPECT_GT(shown->width(), 20) << widget->getInstanceName();
            EXPECT_LE(shown->width(), 105) << widget->getInstanceName();
        }
        const QString height = widget->getProperty(_WSNheight()).text();
        if (!height.isEmpty()) {
            EXPECT_EQ(shown->height(), height.toInt()) << widget->getInstanceName();
        }
    }
    EXPECT_EQ(children, 16);
}

int exposes = 0;

TEST(Window, APaintRaisesExposeUnlessTheProgramsOwnExposeJustCopiedThePicture)
{
    wsqt::HeadlessSession& session = start_up::freshSession();
    WSCbase* area = session.find(names::kSegmentArea);
    // Procedures cannot be removed, so the counter is bound once per process.
    static const bool counting = [area] {
        auto* counter = new WSCprocedure("count", WSEV_EXPOSE);
        counter->setFunction([](WSCbase*) { ++exposes; }, "count");
        area->addProcedure(counter);
        return true;
    }();
    ASSERT_TRUE(counting);
    exposes = 0;

    area->execProcedure(WSEV_EXPOSE);
    session.settle();
    EXPECT_EQ(exposes, 1);
    session.qtWidget(names::kSegmentArea)->repaint();
    EXPECT_EQ(exposes, 2);
}

TEST(Window, LabelsAndButtonsShowTheirTextsAndElideWhatDoesNotFit)
{
    wsqt::HeadlessSession& session = start_up::freshSession();
    auto* load = qobject_cast<QPushButton*>(session.qtWidget(names::kSelectButton));
    ASSERT_NE(load, nullptr);
    EXPECT_EQ(load->text(), "select WAVE");
    auto* name = qobject_cast<QLabel*>(session.qtWidget(names::kNameLabel));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "name");
    EXPECT_EQ(name->toolTip(), "");

    const char* long_name = "a_recording_with_a_name_far_too_long_for_the_left_column.wav";
    session.find(names::kNameLabel)->setPropertyV(_WSNlabelString(), long_name);
    EXPECT_LE(name->width(), 105);
    EXPECT_NE(name->text(), long_name);
    EXPECT_EQ(name->toolTip(), long_name);
    EXPECT_STREQ(session.find(names::kNameLabel)->getProperty(_WSNlabelString()).text(), long_name);
}

}  // namespace

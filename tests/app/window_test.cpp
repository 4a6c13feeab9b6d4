#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "names/window_names.h"
#include "toolkit/WSCpeer.h"
#include "toolkit/WSbackend.h"
#include "toolkit/qt/headless.h"
#include "toolkit/qt/qt_peer.h"
#include "toolkit/toolkit.h"

namespace {

// Records, in order, every widget's creation, property change and visibility change.
struct RecordingBackend : WSbackend {
    std::vector<std::string> log;

    struct Peer : WSCpeer {
        Peer(RecordingBackend& b, WSCbase& w) : backend(b), widget(w) {}
        void propertyChanged(std::string_view name) override
        {
            backend.log.push_back(std::string(widget.getInstanceName()) + " " + std::string(name) + "=" +
                                  widget.getProperty(std::string(name).c_str()).text());
        }
        void visibilityChanged(bool visible) override
        {
            backend.log.push_back(std::string(widget.getInstanceName()) + (visible ? " shown" : " hidden"));
        }
        void pictureChanged() override {}
        RecordingBackend& backend;
        WSCbase& widget;
    };

    std::unique_ptr<WSCpeer> realise(WSCbase& widget) override
    {
        log.push_back(std::string("create ") + widget.getClassName() + " " + widget.getInstanceName() +
                      (widget.getParent() ? " in " + std::string(widget.getParent()->getInstanceName()) : "") +
                      (widget.properties().empty() ? "" : " with properties"));
        return std::make_unique<Peer>(*this, widget);
    }
    std::optional<std::string> runFileDialog(WSCfileSelect&) override { return std::nullopt; }
    void runMessageDialog(WSCmessageDialog&) override {}
};

std::vector<std::string> textWidget(const std::string& cls, const std::string& name, const std::string& text,
                                    const std::string& x, const std::string& y)
{
    return {"create " + cls + " " + name + " in " + names::kMainWindow, name + " labelString=" + text,
            name + " name=" + name, name + " vis=1", name + " x=" + x, name + " y=" + y};
}

std::vector<std::string> area(const std::string& cls, const std::string& name, const std::string& x,
                              const std::string& y, const std::string& w, const std::string& h)
{
    return {"create " + cls + " " + name + " in " + names::kMainWindow, name + " name=" + name, name + " vis=1",
            name + " x=" + x, name + " y=" + y, name + " width=" + w, name + " height=" + h};
}

std::vector<std::string> sizedText(const std::string& cls, const std::string& name, const std::string& text,
                                   const std::string& x, const std::string& y, const std::string& w,
                                   const std::string& h)
{
    auto lines = textWidget(cls, name, text, x, y);
    lines.push_back(name + " width=" + w);
    lines.push_back(name + " height=" + h);
    return lines;
}

TEST(Window, BuildsSixteenWidgetsWithTheirPropertiesInOrderBeforeShowingTheWindow)
{
    RecordingBackend backend;
    WSinstallBackend(&backend);
    WSDappDev::runInitHandlers();
    WSinstallBackend(nullptr);

    const std::string window = names::kMainWindow;
    std::vector<std::string> expected = {"create WSCmainWindow " + window, window + " name=" + window,
                                         window + " titleString=Sefaro",   window + " x=100",
                                         window + " y=100",                window + " width=800",
                                         window + " height=600",           window + " vis=1"};
    auto add = [&](const std::vector<std::string>& lines) { expected.insert(expected.end(), lines.begin(), lines.end()); };
    add(textWidget("WSCvbtn", names::kSelectButton, "select WAVE", "10", "8"));
    add(area("WSCvdrawingArea", names::kWholeWaveArea, "120", "10", "670", "100"));
    add(area("WSCvslider", names::kPositionSlider, "120", "115", "670", "15"));
    add(area("WSCvdrawingArea", names::kSegmentArea, "120", "135", "670", "100"));
    add(textWidget("WSCvlabel", names::kNameLabel, "name", "10", "40"));
    add(textWidget("WSCvlabel", names::kRateLabel, "sample freq", "10", "70"));
    add(textWidget("WSCvlabel", names::kBitsLabel, "bits per sample", "10", "100"));
    add(textWidget("WSCvlabel", names::kPointsLabel, "points", "10", "130"));
    add(textWidget("WSCvlabel", names::kPositionLabel, "position", "10", "160"));
    const std::string combo = names::kSizeBox;
    add({"create WSCcomboBox " + combo + " in " + window, combo + " menuItems=" + names::kSegmentSizeItems,
         combo + " backBlinkColor=DEF13", combo + " workBackColor=DEF11", combo + " labelString=1024",
         combo + " interCur=0", combo + " name=" + combo, combo + " x=10", combo + " y=190", combo + " height=20",
         combo + " vis=1"});
    add(area("WSCvdrawingArea", names::kPowerArea, "10", "260", "388", "330"));
    add(area("WSCvdrawingArea", names::kPhaseArea, "402", "260", "388", "330"));
    add(sizedText("WSCvlabel", names::kPowerCaption, "power", "10", "240", "388", "18"));
    add(sizedText("WSCvlabel", names::kPhaseCaption, "phase", "402", "240", "388", "18"));
    add(sizedText("WSCvbtn", names::kBackButton, "back", "10", "214", "48", "22"));
    add(sizedText("WSCvbtn", names::kForwButton, "forw", "63", "214", "48", "22"));
    add({window + " shown"});

    // The initialise callbacks draw into the views between the last widget and the showing;
    // what they draw is not this test's matter.
    std::vector<std::string> built;
    for (const std::string& line : backend.log) {
        if (line.rfind("create WSCmessageDialog", 0) != 0 && line.rfind("create WSCfileSelect", 0) != 0) built.push_back(line);
    }
    EXPECT_EQ(built, expected);
}

struct Binding {
    const char* widget;
    const char* procedure;
    long event;
    const char* callback;
};

TEST(Window, BindsTheFourteenCallbacksAndThePointerCallbacksToTheirWidgetsAndEvents)
{
    WSDappDev::runInitHandlers();
    // Beside the fourteen, added after them: pointer moves (20), leaves (21) and releases
    // (23) over the plots, and the band and readouts following the slider's value changes,
    // activations and exposes.
    const std::vector<Binding> expected = {
        {names::kSelectButton, "act_ep", 2, "wave1act_ep"},
        {names::kWholeWaveArea, "init_ep", 0, "gra1Init_ep"},
        {names::kWholeWaveArea, "expose_ep", 9, "gra1Expose_ep"},
        {names::kWholeWaveArea, "move_ep", 20, "gra1move_ep"},
        {names::kWholeWaveArea, "release_ep", 23, "gra1release_ep"},
        {names::kPositionSlider, "valueCH_ep", 3, "sli1valueCH_ep"},
        {names::kPositionSlider, "act_ep", 2, "sli1act_ep"},
        {names::kPositionSlider, "follow_ep", 3, "sli1follow_ep"},
        {names::kPositionSlider, "follow_ep", 2, "sli1follow_ep"},
        {names::kPositionSlider, "follow_ep", 9, "sli1follow_ep"},
        {names::kSegmentArea, "init2_ep", 0, "gra2Init_ep"},
        {names::kSegmentArea, "expose2_ep", 9, "gra2Expose_ep"},
        {names::kSegmentArea, "move_ep", 20, "gra2move_ep"},
        {names::kSizeBox, "act_ep", 2, "combo1act_ep"},
        {names::kPowerArea, "init_ep", 0, "gra3init_ep"},
        {names::kPowerArea, "expose_ep", 9, "gra3expose_ep"},
        {names::kPowerArea, "move_ep", 20, "specMove_ep"},
        {names::kPowerArea, "leave_ep", 21, "specLeave_ep"},
        {names::kPhaseArea, "init_ep", 0, "gra4init_ep"},
        {names::kPhaseArea, "expose_ep", 9, "gra4expose_ep"},
        {names::kPhaseArea, "move_ep", 20, "specMove_ep"},
        {names::kPhaseArea, "leave_ep", 21, "specLeave_ep"},
        {names::kBackButton, "act_ep", 2, "btn1act_ep"},
        {names::kForwButton, "act_ep", 2, "btn2act_ep"},
    };
    std::vector<std::string> bound, wanted;
    for (WSCbase* widget : WSGIappObjectList()->all()) {
        for (const auto& p : widget->procedures()) {
            bound.push_back(std::string(widget->getInstanceName()) + " " + p->getName() + " " +
                            std::to_string(p->getTrigger()) + " " + p->getFunctionName());
        }
    }
    for (const Binding& b : expected) {
        wanted.push_back(std::string(b.widget) + " " + b.procedure + " " + std::to_string(b.event) + " " + b.callback);
        EXPECT_EQ(WSCfunctionRegister::find(b.callback) != nullptr, true) << b.callback;
    }
    EXPECT_EQ(bound, wanted);
}

TEST(Window, TheQtWindowShowsEveryWidgetWhereItsTableSays)
{
    wsqt::HeadlessSession session;
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
    wsqt::HeadlessSession session;
    WSCbase* area = session.find(names::kSegmentArea);
    auto* counter = new WSCprocedure("count", WSEV_EXPOSE);
    counter->setFunction([](WSCbase*) { ++exposes; }, "count");
    area->addProcedure(counter);

    area->execProcedure(WSEV_EXPOSE);
    session.settle();
    EXPECT_EQ(exposes, 1);
    session.qtWidget(names::kSegmentArea)->repaint();
    EXPECT_EQ(exposes, 2);
}

TEST(Window, LabelsAndButtonsShowTheirTextsAndElideWhatDoesNotFit)
{
    wsqt::HeadlessSession session;
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

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

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
    return {"create " + cls + " " + name + " in newwin000", name + " labelString=" + text, name + " name=" + name,
            name + " vis=1", name + " x=" + x, name + " y=" + y};
}

std::vector<std::string> area(const std::string& cls, const std::string& name, const std::string& x,
                              const std::string& y, const std::string& w, const std::string& h)
{
    return {"create " + cls + " " + name + " in newwin000", name + " name=" + name, name + " vis=1",
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

    std::vector<std::string> expected = {
        "create WSCmainWindow newwin000", "newwin000 name=newwin000", "newwin000 titleString=Sefaro",
        "newwin000 x=100",  "newwin000 y=100", "newwin000 width=800", "newwin000 height=600", "newwin000 vis=1"};
    auto add = [&](const std::vector<std::string>& lines) { expected.insert(expected.end(), lines.begin(), lines.end()); };
    add(textWidget("WSCvbtn", "newvbtn_000", "select WAVE", "10", "8"));
    add(area("WSCvdrawingArea", "newvdra_001", "120", "10", "670", "100"));
    add(area("WSCvslider", "newvsli_000", "120", "115", "670", "15"));
    add(area("WSCvdrawingArea", "newvdra_002", "120", "135", "670", "100"));
    add(textWidget("WSCvlabel", "newvlab_000", "name", "10", "40"));
    add(textWidget("WSCvlabel", "newvlab_005", "sample freq", "10", "70"));
    add(textWidget("WSCvlabel", "newvlab_011", "bits per sample", "10", "100"));
    add(textWidget("WSCvlabel", "newvlab_012", "points", "10", "130"));
    add(textWidget("WSCvlabel", "newvlab_013", "position", "10", "160"));
    add({"create WSCcomboBox newcomb_000 in newwin000", "newcomb_000 menuItems=512,1024,2048,4096",
         "newcomb_000 backBlinkColor=DEF13", "newcomb_000 workBackColor=DEF11", "newcomb_000 labelString=1024",
         "newcomb_000 interCur=0", "newcomb_000 name=newcomb_000", "newcomb_000 x=10", "newcomb_000 y=190",
         "newcomb_000 height=20", "newcomb_000 vis=1"});
    add(area("WSCvdrawingArea", "newvdra_000", "10", "260", "388", "330"));
    add(area("WSCvdrawingArea", "newvdra_003", "402", "260", "388", "330"));
    add(sizedText("WSCvlabel", "newvlab_002", "power", "10", "240", "388", "18"));
    add(sizedText("WSCvlabel", "newvlab_007", "phase", "402", "240", "388", "18"));
    add(sizedText("WSCvbtn", "newvbtn_001", "back", "10", "214", "48", "22"));
    add(sizedText("WSCvbtn", "newvbtn_002", "forw", "63", "214", "48", "22"));
    add({"newwin000 shown"});

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

TEST(Window, BindsTheFourteenCallbacksToTheirWidgetsAndEvents)
{
    WSDappDev::runInitHandlers();
    const std::vector<Binding> expected = {
        {"newvbtn_000", "act_ep", 2, "wave1act_ep"},      {"newvdra_001", "init_ep", 0, "gra1Init_ep"},
        {"newvdra_001", "expose_ep", 9, "gra1Expose_ep"}, {"newvsli_000", "valueCH_ep", 3, "sli1valueCH_ep"},
        {"newvsli_000", "act_ep", 2, "sli1act_ep"},       {"newvdra_002", "init2_ep", 0, "gra2Init_ep"},
        {"newvdra_002", "expose2_ep", 9, "gra2Expose_ep"}, {"newcomb_000", "act_ep", 2, "combo1act_ep"},
        {"newvdra_000", "init_ep", 0, "gra3init_ep"},     {"newvdra_000", "expose_ep", 9, "gra3expose_ep"},
        {"newvdra_003", "init_ep", 0, "gra4init_ep"},     {"newvdra_003", "expose_ep", 9, "gra4expose_ep"},
        {"newvbtn_001", "act_ep", 2, "btn1act_ep"},       {"newvbtn_002", "act_ep", 2, "btn2act_ep"},
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
    QWidget* window = session.qtWidget("newwin000");
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
    WSCbase* area = session.find("newvdra_002");
    auto* counter = new WSCprocedure("count", WSEV_EXPOSE);
    counter->setFunction([](WSCbase*) { ++exposes; }, "count");
    area->addProcedure(counter);

    area->execProcedure(WSEV_EXPOSE);
    session.settle();
    EXPECT_EQ(exposes, 1);
    session.qtWidget("newvdra_002")->repaint();
    EXPECT_EQ(exposes, 2);
}

TEST(Window, LabelsAndButtonsShowTheirTextsAndElideWhatDoesNotFit)
{
    wsqt::HeadlessSession session;
    auto* load = qobject_cast<QPushButton*>(session.qtWidget("newvbtn_000"));
    ASSERT_NE(load, nullptr);
    EXPECT_EQ(load->text(), "select WAVE");
    auto* name = qobject_cast<QLabel*>(session.qtWidget("newvlab_000"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "name");
    EXPECT_EQ(name->toolTip(), "");

    const char* long_name = "a_recording_with_a_name_far_too_long_for_the_left_column.wav";
    session.find("newvlab_000")->setPropertyV(_WSNlabelString(), long_name);
    EXPECT_LE(name->width(), 105);
    EXPECT_NE(name->text(), long_name);
    EXPECT_EQ(name->toolTip(), long_name);
    EXPECT_STREQ(session.find("newvlab_000")->getProperty(_WSNlabelString()).text(), long_name);
}

}  // namespace

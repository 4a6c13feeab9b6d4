#pragma once

// The window, its widgets and its devices live as long as the process, so a test that
// drives the window first puts the program back as it starts: no wave, the window at its
// first size and a pixel ratio of 1, every widget's properties as the start-up left them,
// the views showing their bare scales.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QSlider>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "handlers/keyboard_reading.h"
#include "names/window_names.h"
#include "plot/frequency_view.h"
#include "plot/view_update.h"
#include "toolkit/qt/headless.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"
#include "wave/reference_state.h"

namespace start_up {

// Binds callback to event of widget, once per process: procedures cannot be removed, so a
// test that spies on the window binds its spy at its first run and reuses it after.
inline void bindOnce(WSCbase* widget, long event, WSCcallback callback) {
    static std::set<std::tuple<WSCbase*, long, WSCcallback>> bound;
    if (!bound.emplace(widget, event, callback).second) return;
    auto* procedure = new WSCprocedure("spy", event);
    procedure->setFunction(callback, "spy");
    widget->addProcedure(procedure);
}

// Every property a callback or a test may set after the start-up, so that one the
// start-up left unset can be given back its default reading.
inline const char* const kChangeable[] = {_WSNvalue(),
                                          _WSNminimum(),
                                          _WSNmaximum(),
                                          _WSNtoolTip(),
                                          _WSNoverlayBand(),
                                          _WSNoverlaySecondBand(),
                                          _WSNoverlayLabels(),
                                          _WSNdragInterval(),
                                          _WSNlabelString(),
                                          _WSNx(),
                                          _WSNy()};

using Properties = std::map<std::string, std::string, std::less<>>;

inline Properties readingsOf(const WSCbase& widget) {
    Properties readings = widget.properties();
    for (const char* name : kChangeable) readings.emplace(name, widget.getProperty(name).text());
    return readings;
}

// The first call, which must come before anything has changed, records the start-up;
// each later call returns to it.
inline void restore() {
    static std::map<const WSCbase*, Properties> recorded;
    static QPointer<QWidget> start_focus;
    static bool first = true;
    if (first) {
        first = false;
        for (const WSCbase* widget : WSGIappObjectList()->all())
            recorded[widget] = readingsOf(*widget);
        start_focus = QApplication::focusWidget();
        return;
    }
    // A dialog that was shown leaves no window active where no window manager gives the
    // activation back, and an inactive window gets no focus events.
    if (QWidget* window = wsqt::HeadlessSession::qtWidget(names::kMainWindow))
        window->activateWindow();
    // A plot left with the keyboard focus would carry its reading by the keys into the next
    // test, as a window does from one file to the next.
    if (start_focus) {
        start_focus->setFocus();
    } else if (QWidget* focused = QApplication::focusWidget()) {
        focused->clearFocus();
    }
    QApplication::processEvents();
    endKeyboardReading();
    setShownAxis({});
    for (double** buffer : {&selRe, &selIm, &power, &phase}) {
        delete[] * buffer;
        *buffer = nullptr;
    }
    delete[] siii;
    delete[] seliii;
    siii = nullptr;
    seliii = nullptr;
    maxsize = selsize = sampleFreq = 0;
    heldReference.reset();
    differenceShown = false;

    if (auto* slider =
            qobject_cast<QSlider*>(wsqt::HeadlessSession::qtWidget(names::kPositionSlider)))
        slider->setSliderDown(false);
    for (WSCbase* widget : WSGIappObjectList()->all()) {
        // The dialogs come later, and are placed and labelled before each showing.
        if (!recorded.contains(widget)) continue;
        const Properties& start = recorded[widget];
        const Properties now = widget->properties();
        for (const auto& [name, value] : now) {
            const auto found = start.find(name);
            if (found == start.end()) {
                ADD_FAILURE() << "no start-up reading of " << widget->getInstanceName() << "."
                              << name;
            } else if (found->second != value) {
                widget->setPropertyV(name.c_str(), found->second.c_str());
            }
        }
    }
    for (PlotView view : {PlotView::wave, PlotView::segment, PlotView::power, PlotView::phase})
        updateView(view, {});
}

// The session every test of the process shares, put back as the program starts. It owns
// the application, which lives, like the widgets, until the process ends: destroyed among
// the exit handlers, after Qt's own statics, it would crash.
inline wsqt::HeadlessSession& freshSession() {
    static wsqt::HeadlessSession& session = *new wsqt::HeadlessSession;
    // A pointer a test left resting over a plot would keep its readout in the captions.
    session.leave();
    session.showAtPixelRatio(1);
    restore();
    return session;
}

}  // namespace start_up

#pragma once

#include <QPointF>
#include <QPointer>
#include <QWidget>

#include "toolkit/qt/headless.h"
#include "toolkit/qt/qt_backend.h"

class WSCmainWindow;

namespace wsqt {

struct HeadlessSession::State {
    QtBackend backend;
    // The widget under the pointer and where the pointer is in the window; null while the
    // pointer is outside the window.
    QPointer<QWidget> hovered;
    QPointF pointer;
};

// The toolkit's main window and its Qt window, or null before it is built.
WSCmainWindow* mainWindow();
QWidget* mainWindowWidget();

}  // namespace wsqt

#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include "toolkit/qt/headless.h"
#include "toolkit/qt/qt_backend.h"

namespace wsqt {

struct HeadlessSession::State {
    QtBackend backend;
    // The widget under the pointer and where the pointer is in the window; null while the
    // pointer is outside the window.
    QPointer<QWidget> hovered;
    QPoint pointer;
};

// The Qt window of the toolkit's main window, or null before it is built.
QWidget* mainWindowWidget();

}  // namespace wsqt

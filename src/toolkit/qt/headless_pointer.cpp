#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "toolkit/WSwidgets.h"
#include "toolkit/qt/headless.h"
#include "toolkit/qt/headless_state.h"
#include "toolkit/qt/qt_peer.h"

namespace wsqt {

namespace {

// The pixel that holds a point, as hit tests take it.
QPoint pixelAt(QPointF at) {
    return {pixelIndex(at.x()), pixelIndex(at.y())};
}

// The deepest widget of the window at a point of the window, or null outside it.
QWidget* widgetAt(QWidget* window, QPointF at) {
    if (!window || !window->rect().contains(pixelAt(at))) return nullptr;
    QWidget* child = window->childAt(pixelAt(at));
    return child ? child : window;
}

void sendMouse(QWidget* target, QWidget* window, QEvent::Type type, QPointF at,
               Qt::MouseButton button, Qt::MouseButtons held) {
    const QPointF local = target->mapFrom(window, at);
    QMouseEvent event(type, local, at, window->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// The widget left hears the pointer leave, the one now under it hears it enter.
void moveHover(QPointer<QWidget>& hovered, QWidget* under, QWidget* window, QPointF at) {
    if (under == hovered) return;
    if (hovered) {
        QEvent leaving(QEvent::Leave);
        QApplication::sendEvent(hovered, &leaving);
    }
    if (under) {
        QEnterEvent entering(under->mapFrom(window, at), at, window->mapToGlobal(at));
        QApplication::sendEvent(under, &entering);
    }
    hovered = under;
}

}  // namespace

void HeadlessSession::point(double x, double y) {
    QWidget* window = mainWindowWidget();
    const QPointF at(x, y);
    QWidget* under = widgetAt(window, at);
    moveHover(state_->hovered, under, window, at);
    state_->pointer = at;
    if (under) sendMouse(under, window, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    settle();
}

void HeadlessSession::click(double x, double y) {
    drag(x, y, x, y);
}

void HeadlessSession::drag(double from_x, double from_y, double to_x, double to_y) {
    point(from_x, from_y);
    QWidget* window = mainWindowWidget();
    const QPointer<QWidget> grabber = state_->hovered;
    if (!grabber) return;
    const QPointF to(to_x, to_y);
    sendMouse(grabber, window, QEvent::MouseButtonPress, state_->pointer, Qt::LeftButton,
              Qt::LeftButton);
    settle();
    if (grabber && to != state_->pointer) {
        sendMouse(grabber, window, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        settle();
    }
    if (grabber)
        sendMouse(grabber, window, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    settle();
    // Let go, the pointer rests over whatever lies at the end of the drag.
    point(to_x, to_y);
}

void HeadlessSession::wheel(double x, double y, int steps) {
    point(x, y);
    QWidget* window = mainWindowWidget();
    if (!state_->hovered) return;
    const QPointF at(x, y);
    QWheelEvent event(state_->hovered->mapFrom(window, at), window->mapToGlobal(at), QPoint(),
                      QPoint(0, steps * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(state_->hovered, &event);
    settle();
}

void HeadlessSession::leave() {
    moveHover(state_->hovered, nullptr, nullptr, {});
    settle();
}

std::optional<std::string> HeadlessSession::tooltipUnderPointer() const {
    for (QWidget* widget = state_->hovered; widget; widget = widget->parentWidget()) {
        if (const QString text = shownToolTip(widget); !text.isEmpty()) return text.toStdString();
        if (widget->isWindow()) break;
    }
    return std::nullopt;
}

}  // namespace wsqt

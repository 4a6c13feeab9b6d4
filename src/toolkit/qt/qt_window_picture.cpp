#include "toolkit/qt/qt_window_picture.h"

#include <QApplication>
#include <QBuffer>
#include <QPointer>
#include <QWidget>
#include <cstring>
#include <vector>

#include "toolkit/WSCobjectList.h"
#include "toolkit/WSevents.h"
#include "toolkit/WSwidgets.h"
#include "toolkit/qt/qt_peer.h"

namespace wsqt {

namespace {

// What the pointer shows over an area (a readout, say) is no part of the program's state:
// the areas under the pointer hear it leave, as when it moves off them, before the picture.
// Returns the areas it left.
std::vector<WSCvdrawingArea*> leaveAreas(QWidget* window) {
    std::vector<WSCvdrawingArea*> left;
    for (WSCbase* object : WSGIappObjectList()->all()) {
        if (std::strcmp(object->getClassName(), "WSCvdrawingArea") != 0) continue;
        auto* area = static_cast<WSCvdrawingArea*>(object);
        const QWidget* shown = widgetOf(area);
        if (!shown || shown->window() != window || !area->pointer().inside) continue;
        area->raisePointerEvent(WSEV_POINTER_LEAVE, area->pointer().x, area->pointer().y);
        left.push_back(area);
    }
    return left;
}

// The pointer has not moved: the areas it left for the picture hear it back where it was.
void returnToAreas(const std::vector<WSCvdrawingArea*>& areas) {
    for (WSCvdrawingArea* area : areas)
        area->raisePointerEvent(WSEV_POINTER_MOVE, area->pointer().x, area->pointer().y);
}

}  // namespace

QImage windowPicture(QWidget* window) {
    if (!window) return {};
    const std::vector<WSCvdrawingArea*> left = leaveAreas(window);
    QPointer<QWidget> focused = QApplication::focusWidget();
    if (focused && focused->window() == window) {
        focused->clearFocus();
    } else {
        focused = nullptr;
    }
    const QImage picture = window->grab().toImage();
    returnToAreas(left);
    if (focused) focused->setFocus(Qt::OtherFocusReason);
    return picture;
}

QByteArray encodedPicture(const QImage& picture, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (picture.isNull() || !buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, format))
        return {};
    return bytes;
}

}  // namespace wsqt

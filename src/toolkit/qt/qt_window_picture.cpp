#include "toolkit/qt/qt_window_picture.h"

#include <QApplication>
#include <QBuffer>
#include <QPointer>
#include <QWidget>
#include <cstring>
#include <vector>

#include "toolkit/WSCobjectList.h"
#include "toolkit/WSDdev.h"
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

// The toolkit's window that window shows, or null.
WSCmainWindow* toolkitWindow(const QWidget* window) {
    for (WSCbase* object : WSGIappObjectList()->all()) {
        if (widgetOf(object) == window) return dynamic_cast<WSCmainWindow*>(object);
    }
    return nullptr;
}

// The window's plots drawn at ratio, when they are at another.
void drawAtRatio(WSCmainWindow* window, double ratio) {
    if (window && window->setPixelRatio(ratio)) window->execProcedure(WSEV_RESIZE);
}

// The window painted into a picture of its size at ratio, as grabbing it on a screen of that
// ratio would: opaque, as the window paints every pixel of its background.
QImage renderedAt(QWidget* window, double ratio) {
    QImage picture(window->size() * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    window->render(&picture, QPoint(), QRegion(window->rect()),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
    return picture;
}

}  // namespace

QImage windowPicture(QWidget* window, double ratio, PointerAndFocus pointer_and_focus) {
    if (!window) return {};
    const bool leave_out = pointer_and_focus == PointerAndFocus::left_out;
    const std::vector<WSCvdrawingArea*> left =
        leave_out ? leaveAreas(window) : std::vector<WSCvdrawingArea*>{};
    QPointer<QWidget> focused = QApplication::focusWidget();
    if (leave_out && focused && focused->window() == window) {
        focused->clearFocus();
    } else {
        focused = nullptr;
    }
    WSCmainWindow* shown = toolkitWindow(window);
    const double shown_ratio = shown ? shown->pixelRatio() : 1;
    drawAtRatio(shown, usablePixelRatio(ratio));
    const QImage picture = renderedAt(window, usablePixelRatio(ratio));
    drawAtRatio(shown, shown_ratio);
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

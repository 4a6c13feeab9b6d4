#include "toolkit/qt/qt_window_picture.h"

#include <QApplication>
#include <QBuffer>
#include <QPointer>
#include <QWidget>

namespace wsqt {

QImage windowPicture(QWidget* window)
{
    if (!window) return {};
    QPointer<QWidget> focused = QApplication::focusWidget();
    if (focused && focused->window() == window) {
        focused->clearFocus();
    } else {
        focused = nullptr;
    }
    const QImage picture = window->grab().toImage();
    if (focused) focused->setFocus(Qt::OtherFocusReason);
    return picture;
}

QByteArray pngBytes(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (picture.isNull() || !buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) return {};
    return bytes;
}

}  // namespace wsqt

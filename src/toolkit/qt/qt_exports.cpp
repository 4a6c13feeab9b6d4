#include "toolkit/qt/qt_exports.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QWidget>
#include <optional>
#include <string>

#include "toolkit/WSNames.h"
#include "toolkit/WSdialogs.h"
#include "toolkit/qt/atomic_file.h"
#include "toolkit/qt/qt_backend.h"
#include "toolkit/qt/qt_window_picture.h"

namespace wsqt {

namespace {

// A failure message stands this far right of and below the window's corner, as the
// program's own messages do.
constexpr int kMessageOffset = 20;

std::string textOf(const WSdesktopExport& what) {
    return what.text ? what.text() : std::string();
}

QByteArray bytesOf(const WSdesktopExport& what, QWidget* window) {
    if (what.content == WSdesktopExport::Content::windowPicture)
        return encodedPicture(windowPicture(window));
    return QByteArray::fromStdString(textOf(what));
}

void showFailure(const QString& text, QWidget* window) {
    WSCmessageDialog* message = WSGIappMessageDialog();
    const QPoint place = window ? window->pos() + QPoint(kMessageOffset, kMessageOffset) : QPoint();
    message->setPropertyV(_WSNx(), QByteArray::number(place.x()).constData());
    message->setPropertyV(_WSNy(), QByteArray::number(place.y()).constData());
    message->setPropertyV(_WSNlabelString(), text.toUtf8().constData());
    message->popup();
}

}  // namespace

bool exportAvailable(const WSdesktopExport& what) {
    return !what.available || what.available();
}

std::optional<QString> saveExport(const WSdesktop& description, const WSdesktopExport& what,
                                  QWidget* window, const QString& save_folder) {
    if (!exportAvailable(what)) return std::nullopt;
    const QString name =
        QString::fromStdString(description.proposed_name ? description.proposed_name(what.suffix)
                                                         : "untitled." + what.suffix);
    const QString folder = !save_folder.isEmpty() && QDir(save_folder).exists()
                               ? save_folder
                               : startFolder(WSGIappFileSelect()->lastDirectory());
    std::optional<std::string> chosen =
        WSGFchooseSaveFile(QDir(folder).filePath(name).toStdString(), what.filter);
    if (!chosen) return std::nullopt;
    if (QFileInfo(QString::fromStdString(*chosen)).suffix().isEmpty()) *chosen += "." + what.suffix;

    const QByteArray bytes = bytesOf(what, window);
    const std::optional<std::string> why =
        bytes.isEmpty() ? "nothing to write" : atomicWriteFailure(*chosen, bytes.toStdString());
    if (why) {
        showFailure(QStringLiteral("Cannot save %1: %2")
                        .arg(QString::fromStdString(*chosen), QString::fromStdString(*why)),
                    window);
        return std::nullopt;
    }
    return QString::fromStdString(*chosen);
}

void copyExport(const WSdesktopExport& what, QWidget* window) {
    if (!exportAvailable(what)) return;
    if (what.content == WSdesktopExport::Content::windowPicture) {
        QGuiApplication::clipboard()->setImage(windowPicture(window));
    } else {
        QGuiApplication::clipboard()->setText(QString::fromStdString(textOf(what)));
    }
}

}  // namespace wsqt

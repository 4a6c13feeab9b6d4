#include "toolkit/qt/qt_peer.h"

#include <QCursor>
#include <QToolTip>

#include "toolkit/WSCbase.h"
#include "toolkit/WSNames.h"

namespace wsqt {

Peer::Peer(WSCbase& owner, QWidget* widget) : owner_(owner), widget_(widget) {}

Peer::~Peer()
{
    // The Qt widget calls back into its owner, so it must not outlive it.
    delete widget_.data();
}

QSize Peer::defaultSize() const { return widget_ ? widget_->sizeHint() : QSize(); }

void Peer::applyGeometry()
{
    if (!widget_) return;
    const QString width = QString::fromUtf8(owner_.getProperty(_WSNwidth()).text());
    const QString height = QString::fromUtf8(owner_.getProperty(_WSNheight()).text());
    // The default size measures the text: only worth it when the table sets no size.
    const QSize fallback = width.isEmpty() || height.isEmpty() ? defaultSize() : QSize();
    const int w = width.isEmpty() ? fallback.width() : width.toInt();
    const int h = height.isEmpty() ? fallback.height() : height.toInt();
    const int x = QString::fromUtf8(owner_.getProperty(_WSNx()).text()).toInt();
    const int y = QString::fromUtf8(owner_.getProperty(_WSNy()).text()).toInt();
    widget_->setGeometry(x, y, w, h);
}

void Peer::propertyChanged(std::string_view name)
{
    if (!widget_) return;
    if (name == _WSNx() || name == _WSNy() || name == _WSNwidth() || name == _WSNheight()) {
        applyGeometry();
    } else if (name == _WSNvis() && widget_->parentWidget()) {
        // A child shows with its window; the window itself only through setVisible.
        widget_->setVisible(std::string_view(owner_.getProperty(_WSNvis()).text()) != "0");
    } else if (name == _WSNtoolTip()) {
        const QString text = QString::fromUtf8(owner_.getProperty(_WSNtoolTip()).text());
        widget_->setToolTip(text);
        // A tooltip already shown follows the pointer's readout instead of going stale.
        if (QToolTip::isVisible() && widget_->underMouse()) QToolTip::showText(QCursor::pos(), text, widget_);
    }
}

void Peer::visibilityChanged(bool visible)
{
    if (widget_) widget_->setVisible(visible);
}

QWidget* widgetOf(const WSCbase* object)
{
    const auto* peer = object ? dynamic_cast<const Peer*>(object->peer()) : nullptr;
    return peer ? peer->widget() : nullptr;
}

}  // namespace wsqt

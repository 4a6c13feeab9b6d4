#include "toolkit/qt/qt_peer.h"

#include <QAccessible>
#include <QCursor>
#include <QKeyEvent>
#include <QKeySequence>
#include <QToolTip>

#include "numbers/whole_number.h"
#include "toolkit/WSCbase.h"
#include "toolkit/WSCobjectList.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSdesktop.h"

namespace wsqt {

std::optional<int> intProperty(const WSCbase& widget, const char* name) {
    return wholeInt(widget.getProperty(name).text());
}

namespace {

// What the desktop description says of owner, else its widget's own tooltip.
QString toolTipOf(const WSCbase& owner, const QWidget& widget) {
    const WSdesktop& description = WSGIdesktop();
    if (description.tool_tip) {
        const std::string text = description.tool_tip(owner);
        if (!text.empty()) return QString::fromStdString(text);
    }
    return widget.toolTip();
}

}  // namespace

Peer::Peer(WSCbase& owner, QWidget* widget) : owner_(owner), widget_(widget) {}

Peer::~Peer() {
    // The Qt widget calls back into its owner, so it must not outlive it.
    delete widget_.data();
}

QSize Peer::defaultSize() const {
    return widget_ ? widget_->sizeHint() : QSize();
}

void Peer::applyGeometry() {
    if (!widget_) return;
    // An unset size is the default size; a size that is no number is 0. The default size
    // measures the text: only worth it when the table sets no size.
    const bool width_set = *owner_.getProperty(_WSNwidth()).text() != '\0';
    const bool height_set = *owner_.getProperty(_WSNheight()).text() != '\0';
    const QSize fallback = width_set && height_set ? QSize() : defaultSize();
    const int w = width_set ? intProperty(owner_, _WSNwidth()).value_or(0) : fallback.width();
    const int h = height_set ? intProperty(owner_, _WSNheight()).value_or(0) : fallback.height();
    const int x = intProperty(owner_, _WSNx()).value_or(0);
    const int y = intProperty(owner_, _WSNy()).value_or(0);
    widget_->setGeometry(x, y, w, h);
}

void Peer::propertyChanged(std::string_view name) {
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
        if (QToolTip::isVisible() && widget_->underMouse())
            QToolTip::showText(QCursor::pos(), text, widget_);
        describeForScreenReaders();
    }
}

void Peer::describeForScreenReaders() {
    // A screen reader reads what the tooltip says, and hears of each change.
    const QString description = toolTipOf(owner_, *widget_);
    if (description == widget_->accessibleDescription()) return;
    widget_->setAccessibleDescription(description);
    QAccessibleEvent changed(widget_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void Peer::visibilityChanged(bool visible) {
    if (widget_) widget_->setVisible(visible);
}

QWidget* widgetOf(const WSCbase* object) {
    const auto* peer = object ? dynamic_cast<const Peer*>(object->peer()) : nullptr;
    return peer ? peer->widget() : nullptr;
}

QString shownToolTip(const QWidget* widget) {
    if (!widget) return {};
    for (const WSCbase* owner : WSGIappObjectList()->all()) {
        if (widgetOf(owner) == widget) return toolTipOf(*owner, *widget);
    }
    return widget->toolTip();
}

std::string keyName(const QKeyEvent& event) {
    const bool commanded =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (event.key() == Qt::Key_Escape) return "Escape";
    if (event.key() == Qt::Key_Plus && !commanded) return "Plus";
    if (event.key() == Qt::Key_Minus && !commanded) return "Minus";
    return QKeySequence(event.keyCombination()).toString(QKeySequence::PortableText).toStdString();
}

}  // namespace wsqt

#include "toolkit/qt/qt_text_widgets.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

#include "toolkit/WSCbase.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSevents.h"

namespace wsqt {

namespace {

constexpr int kLeftColumnWidth = 105;
// Room a button needs beside its text for its frame.
constexpr int kButtonPadding = 16;

QString fullText(const WSCbase& owner) {
    return QString::fromUtf8(owner.getProperty(_WSNlabelString()).text());
}

void setShownText(QWidget* widget, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(text);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(text);
}

}  // namespace

TextPeer::TextPeer(WSCbase& owner, QWidget* widget) : Peer(owner, widget) {}

QSize TextPeer::defaultSize() const {
    QWidget* w = widget();
    if (!w) return {};
    const int padding = qobject_cast<QAbstractButton*>(w) ? kButtonPadding : 2;
    const int text_width = w->fontMetrics().horizontalAdvance(fullText(owner())) + padding;
    const int height = std::max(w->sizeHint().height(), w->fontMetrics().height() + 4);
    return {std::min(text_width, kLeftColumnWidth), height};
}

void TextPeer::propertyChanged(std::string_view name) {
    Peer::propertyChanged(name);
    if (name == _WSNlabelString()) {
        applyGeometry();
        showText();
    } else if (name == _WSNwidth()) {
        showText();
    }
}

void TextPeer::showText() {
    QWidget* w = widget();
    if (!w) return;
    const QString text = fullText(owner());
    const int padding = qobject_cast<QAbstractButton*>(w) ? kButtonPadding : 2;
    const int room = w->width() - padding;
    const bool fits = w->fontMetrics().horizontalAdvance(text) <= room;
    setShownText(w, fits ? text : w->fontMetrics().elidedText(text, Qt::ElideMiddle, room));
    w->setToolTip(fits ? QString() : text);
    describeForScreenReaders();
}

TextPeer* makeButtonPeer(WSCbase& owner, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    // Reached by Tab, never by a click, so a click leaves the keys with the slider.
    button->setFocusPolicy(Qt::TabFocus);
    QObject::connect(button, &QPushButton::clicked, button,
                     [&owner] { owner.execProcedure(WSEV_ACTIVATE); });
    return new TextPeer(owner, button);
}

TextPeer* makeLabelPeer(WSCbase& owner, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return new TextPeer(owner, label);
}

}  // namespace wsqt

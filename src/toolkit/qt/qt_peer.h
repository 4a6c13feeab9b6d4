#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>
#include <string>

#include "toolkit/WSCpeer.h"

class QKeyEvent;
class WSCbase;

namespace wsqt {

// Shows one widget's table as a Qt widget: position, size, visibility and the accessible
// description here; what is particular to a class in the subclasses. Changes made here
// never raise the program's events.
class Peer : public WSCpeer {
  public:
    Peer(WSCbase& owner, QWidget* widget);
    ~Peer() override;

    void propertyChanged(std::string_view name) override;
    void visibilityChanged(bool visible) override;
    void pictureChanged() override {}

    // The accessible description follows the tooltip a user would read: called when the
    // widget's tooltip or, for a text widget, its text changes, and by the desktop at its
    // start.
    void describeForScreenReaders();
    QWidget* widget() const { return widget_; }
    WSCbase& owner() const { return owner_; }

  protected:
    // The size a widget takes when its table sets none.
    virtual QSize defaultSize() const;
    void applyGeometry();

  private:
    WSCbase& owner_;
    QPointer<QWidget> widget_;
};

// A number property as Qt takes it: the whole text a decimal number within int's range,
// else nothing.
std::optional<int> intProperty(const WSCbase& widget, const char* name);

// The Qt widget that shows a toolkit widget, or null.
QWidget* widgetOf(const WSCbase* object);

// The tooltip a user resting the pointer on widget reads: what the desktop description
// says of the toolkit widget it shows, else the widget's own tooltip (a plot's readout, a
// text cut short); empty for none.
QString shownToolTip(const QWidget* widget);

// A key as the program names it: "Left", "Shift+Right", "Escape" …; the + and − keys are
// "Plus" and "Minus" however they are typed (with Shift, on the keypad).
std::string keyName(const QKeyEvent& event);

}  // namespace wsqt

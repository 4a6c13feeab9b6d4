#pragma once

#include "toolkit/WSCbase.h"

// The widget classes the program builds its window from. Each is a WSCbase with its own
// class name; the backend decides how each looks and which user actions raise which event.

class WSCmainWindow : public WSCbase {
  public:
    WSCmainWindow(WSCbase* parent, const char* name) : WSCbase(parent, name, "WSCmainWindow") {}
    // The first time the window becomes visible every widget, in creation order, runs its
    // initialise procedures; then the window is shown.
    void setVisible(long visible) override;

  private:
    bool shown_before_ = false;
};

class WSCvbtn : public WSCbase {
  public:
    WSCvbtn(WSCbase* parent, const char* name) : WSCbase(parent, name, "WSCvbtn") {}
};

class WSCvlabel : public WSCbase {
  public:
    WSCvlabel(WSCbase* parent, const char* name) : WSCbase(parent, name, "WSCvlabel") {}
};

// A horizontal position slider: _WSNvalue within _WSNminimum … _WSNmaximum (minimum 0
// unless set), moved in steps of _WSNdragInterval by page gestures.
class WSCvslider : public WSCbase {
  public:
    WSCvslider(WSCbase* parent, const char* name) : WSCbase(parent, name, "WSCvslider") {}

  protected:
    std::string defaultValue(std::string_view name) const override;
};

// A choice among the comma-separated _WSNmenuItems; _WSNlabelString is the current choice.
class WSCcomboBox : public WSCbase {
  public:
    WSCcomboBox(WSCbase* parent, const char* name) : WSCbase(parent, name, "WSCcomboBox") {}
};

// The pointer over a drawing area, in the area's pixels (outside them while a drag goes on
// past the area's edge).
struct WSpointer {
    int x = 0;
    int y = 0;
    bool inside = false;   // over the area (or dragging from it) since its last leave
    bool pressed = false;  // the left button is held since a press on this area
    int press_x = 0;       // where the last press on this area happened
    int press_y = 0;
};

// An area that shows its window device's picture; it raises expose whenever it must be
// repainted, and the pointer events as the pointer moves, leaves, presses and lets go.
class WSCvdrawingArea : public WSCbase {
  public:
    WSCvdrawingArea(WSCbase* parent, const char* name) : WSCbase(parent, name, "WSCvdrawingArea") {}

    // Called by the backend: records the pointer at (x, y), then runs the event's procedures.
    void raisePointerEvent(long event, int x, int y);
    const WSpointer& pointer() const { return pointer_; }

    // Called by the backend: records the key, named as "Left", "Shift+Right", "Escape" …,
    // then runs the key press procedures.
    void raiseKeyEvent(const std::string& key);
    const std::string& key() const { return key_; }

  private:
    WSpointer pointer_;
    std::string key_;
};

#pragma once

#include "toolkit/WSCbase.h"

// The widget classes the program builds its window from. Each is a WSCbase with its own
// class name; the backend decides how each looks and which user actions raise which event.

// The top-level window. The backend lets the user make it larger than the size the program
// builds it at, never smaller; after the user resized it, or it came to a screen of another
// pixel ratio, its _WSNwidth and _WSNheight hold its size and it raises resize.
class WSCmainWindow : public WSCbase {
  public:
    WSCmainWindow(WSCbase* parent, const char* name) : WSCbase(parent, name, "WSCmainWindow") {}
    // The first time the window becomes visible every widget, in creation order, runs its
    // initialise procedures; then the window is shown.
    void setVisible(long visible) override;

    double pixelRatio() const override { return pixel_ratio_; }
    // Called by the backend: the window shows, or is to be drawn, at that ratio
    // (usablePixelRatio of it). True when that is another ratio: the backend then raises
    // resize, so that the program draws its pictures again.
    bool setPixelRatio(double ratio);

  private:
    bool shown_before_ = false;
    double pixel_ratio_ = 1;
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

// The pointer over a drawing area, in the area's logical pixels (outside them while a drag
// goes on past the area's edge), with the fraction a screen of a pixel ratio above 1 gives.
struct WSpointer {
    double x = 0;
    double y = 0;
    bool inside = false;   // over the area (or dragging from it) since its last leave
    bool pressed = false;  // the left button is held since a press on this area
    bool panning = false;  // the middle button, or Shift and the left one, likewise
    double press_x = 0;    // where the last press on this area happened
    double press_y = 0;
};

// The column (or row) of logical pixels that holds coordinate v: ⌊v⌋, kept within
// ±1 000 000 (NaN counts as the lowest), so that it always has an integer value.
int pixelIndex(double v);

// An area that shows its window device's picture; it raises expose whenever it must be
// repainted, and the pointer events as the pointer moves, leaves, presses and lets go.
class WSCvdrawingArea : public WSCbase {
  public:
    WSCvdrawingArea(WSCbase* parent, const char* name) : WSCbase(parent, name, "WSCvdrawingArea") {}

    // Called by the backend: records the pointer at (x, y), then runs the event's procedures.
    void raisePointerEvent(long event, double x, double y);
    const WSpointer& pointer() const { return pointer_; }

    // Called by the backend: records the pointer at (x, y) and the wheel's turn in steps (one
    // a notch, positive away from the user), then runs the wheel procedures.
    void raiseWheelEvent(double x, double y, double steps);
    double wheelSteps() const { return wheel_steps_; }

  private:
    WSpointer pointer_;
    double wheel_steps_ = 0;
};

#pragma once

#include <QImage>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/qt/qt_window_picture.h"

class QApplication;
class QWidget;
class WSCbase;
class WSCexcerptPicker;

namespace wsqt {

// The application without an event loop: the same start-up and init handlers on Qt's
// offscreen platform (unless a platform is chosen already), for tests and the command-line
// tool. Acts on the real Qt widgets as a user would.
class HeadlessSession {
  public:
    HeadlessSession();
    ~HeadlessSession();
    HeadlessSession(const HeadlessSession&) = delete;
    HeadlessSession& operator=(const HeadlessSession&) = delete;

    // Delivers pending events (paints included).
    void settle();

    // The widget of that instance name, found in the toolkit's object list, or null.
    static WSCbase* find(const char* instance_name);
    static QWidget* qtWidget(const char* instance_name);

    // A user's click on a button.
    void click(const char* instance_name);
    // A user's choice of an item of a combo box, as its text; false when there is no such item.
    bool choose(const char* instance_name, const char* item);
    // A user's drag of a slider's handle to value, without letting go: value change only.
    void slide(const char* instance_name, int value);
    // The end of the slider gesture: the handle is let go.
    void release(const char* instance_name);
    // The keyboard focus moves to the widget, as by Tab.
    void focus(const char* instance_name);
    // A key pressed on a widget, which takes the keyboard focus (Qt::Key).
    void key(const char* instance_name, int qt_key, Qt::KeyboardModifiers modifiers = {});
    // The same, the key given by its name: "Left", "PageUp", "Shift+Right", "Escape", "Plus",
    // "Minus" …
    void key(const char* instance_name, const char* key_name);

    // The user resizes the main window to width × height (no smaller than the least size it
    // takes); the pointer, resting where it was in the window, is over what lies there now.
    void resize(int width, int height);
    // The main window shows as on a screen of that pixel ratio: its plots are drawn at it.
    void showAtPixelRatio(double ratio);

    // The pointer, in the main window's logical coordinates (a screen of a pixel ratio above
    // 1 gives fractions), as a user moves it: each event goes to the widget under it, which
    // sees the pointer enter and leave as it would on a desktop. A press grabs the pointer
    // for its widget until the release.
    void point(double x, double y);
    void click(double x, double y);
    void drag(double from_x, double from_y, double to_x, double to_y);
    // The pointer moved to x, y, then the wheel turned there by steps notches (positive away
    // from the user).
    void wheel(double x, double y, int steps);
    // The pointer leaves the window.
    void leave();
    // What a user resting the pointer where it is would read: the tooltip of the widget
    // under it, or of its nearest parent that has one; nothing when the pointer is not over
    // the window or no tooltip is set there.
    std::optional<std::string> tooltipUnderPointer() const;

    // The main window's picture (see windowPicture), drawn at ratio device pixels per logical
    // pixel (1: in logical pixels, as it is saved).
    QImage grabWindow(double ratio = 1,
                      PointerAndFocus pointer_and_focus = PointerAndFocus::left_out);
    // The excerpt picker as it would be shown for picker.
    static QImage excerptPickerPicture(WSCexcerptPicker& picker);
    // The picture at ratio 1 as the bytes of a PNG file; empty if it cannot be encoded.
    std::string windowPng();

    // Keeps Qt's debug output and warnings about the environment (no runtime folder, say)
    // off stderr, which then carries only what a user must read; Qt's critical and fatal
    // messages still get through.
    static void quietQtMessages();

    // The screens the process's first session starts on are scaled by ratio, as a desktop's
    // scale setting scales them (1: not scaled), whatever the environment asks for. Besides
    // the window's ratio, Qt's style takes the largest screen's: it shades buttons, combo
    // boxes and slider grooves through pictures drawn at that ratio, so a window's picture
    // at ratio 1 comes out as a window on such screens saves it. No later session can change
    // the ratio its process started with.
    static void startOnScreensScaledBy(double ratio);

  private:
    std::unique_ptr<QApplication> owned_application_;
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace wsqt

#pragma once

#include <QImage>
#include <memory>

class QApplication;
class QWidget;
class WSCbase;

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
    // A key pressed on a widget that has the keyboard focus (Qt::Key).
    void key(const char* instance_name, int qt_key);

    // The main window as a user sees it.
    QImage grabWindow();

private:
    std::unique_ptr<QApplication> owned_application_;
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace wsqt

#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/replay_script.h"
#include "cli/window_state_json.h"
#include "toolkit/WSscriptedUser.h"

namespace wsqt {
class HeadlessSession;
}

// The main window started headless, for the commands that act as its user: every action
// goes through the same widgets, events and callbacks as in the window on a desktop. The
// file dialog is answered with the path of the last load(); each message is kept.
class CliWindow {
  public:
    CliWindow();
    ~CliWindow();
    CliWindow(const CliWindow&) = delete;
    CliWindow& operator=(const CliWindow&) = delete;

    // A click on "select WAVE"; the file dialog confirms path, or is cancelled.
    void load(const std::string& path);
    void cancelLoad();
    // A choice in the size box; false when it has no such item.
    bool chooseSize(const std::string& item);
    // The item the size box shows.
    std::string shownSize() const;
    void slide(int value);
    void release();
    void back();
    void forw();
    // A key on the slider, which takes the focus, by its name (Left, PageUp …).
    void sliderKey(const std::string& key_name);

    // The pointer, in the window's coordinates: moved there with no button, pressed and let
    // go there, pressed at one point, moved to another and let go there, out of the window.
    void point(int x, int y);
    void click(int x, int y);
    void drag(int from_x, int from_y, int to_x, int to_y);
    void leave();
    // The tooltip a user resting the pointer where it is would read, if any.
    std::optional<std::string> tooltip() const;

    // The messages shown since the last call.
    std::vector<WSshownMessage> takeMessages();
    // The whole window as the user sees it, as the bytes of a picture file of that format
    // (one of writablePictureFormats()); empty if it cannot be encoded.
    std::string windowPicture(const std::string& format);

  private:
    std::unique_ptr<WSscriptedUser> user_;
    std::unique_ptr<wsqt::HeadlessSession> session_;
};

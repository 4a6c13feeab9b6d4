#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/replay_script.h"
#include "cli/window_state_json.h"
#include "sound/sound_excerpt.h"
#include "toolkit/WSscriptedUser.h"
#include "toolkit/qt/qt_window_picture.h"

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
    // Open any sound…: the file dialog confirms path, the excerpt picker (when it comes)
    // confirms choice or, when nothing is given, is cancelled.
    void openAny(const std::string& path, std::optional<WSexcerptChoice> choice);
    // The excerpt of path from from_s of channel (0: mean), with no picker, as
    // "sefaro --from SECONDS --channel C FILE" opens it.
    void openExcerpt(const std::string& path, double from_s, int channel);
    // Open any sound… with the picker acted on by driver while it is shown (true: OK).
    void pick(const std::string& path, std::function<bool(WSCexcerptPicker&)> driver);
    // An entry of the plots' context menu chosen, a toggle switched to on (nothing when the
    // entry is disabled or the toggle is already so).
    void chooseMenuEntry(const std::string& label, bool on = true);
    // Open reference…: the file dialog confirms path, the position question is answered
    // position. A file the reader refuses for its form goes through the picker: cancelled, or
    // with excerpt given, confirmed on that excerpt, as --convert chooses it.
    void openReference(const std::string& path, long position,
                       const ExcerptRequest* excerpt = nullptr);
    // A choice in the size box; false when it has no such item.
    bool chooseSize(const std::string& item);
    // The item the size box shows.
    std::string shownSize() const;
    void slide(int value);
    void release();
    void back();
    void forw();
    // The keyboard focus moves to the widget of that instance name, as by Tab.
    void focus(const std::string& instance_name);
    // A key on the focused widget (the slider until focus() chooses another), by its name
    // (Left, PageUp, Shift+Right …).
    void key(const std::string& key_name);

    // The user resizes the window to width × height.
    void resize(int width, int height);

    // The wheel turned by steps notches (positive zooms in) with the pointer at x, y.
    void wheel(int x, int y, int steps);
    // The context menu's "Logarithmic frequency axis" is checked, or not.
    void axis(bool logarithmic);
    // The spectra show low … high Hz (all of them when none is given), on a logarithmic
    // axis or not, as a user zoomed them.
    void showFrequencies(bool logarithmic, std::optional<std::pair<double, double>> range_hz);
    // The frequencies the spectra show.
    ShownFrequencies shownFrequencies() const;

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
    // The whole window's picture (see wsqt::windowPicture), drawn at scale device pixels per
    // logical pixel, or the excerpt picker while it is shown, as the bytes of a picture file of
    // that format (one of writablePictureFormats()); empty if it cannot be encoded.
    std::string windowPicture(
        const std::string& format, double scale = 1,
        wsqt::PointerAndFocus pointer_and_focus = wsqt::PointerAndFocus::left_out);

  private:
    std::unique_ptr<WSscriptedUser> user_;
    WSCexcerptPicker* shown_picker_ = nullptr;
    std::unique_ptr<wsqt::HeadlessSession> session_;
    std::string focused_;
};

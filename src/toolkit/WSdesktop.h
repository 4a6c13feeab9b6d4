#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

class WSCbase;

// What a program offers its user on a desktop besides its widgets: files handed in from
// outside, shortcuts, a context menu that saves or copies what the window shows, a help
// window, tooltips, the tab order and buttons that repeat while held. The program fills
// the description during start-up; a windowing backend realises it. Shortcuts are written
// as "Ctrl+Shift+C", "F1".

// Something the user can save to a file or copy to the clipboard.
struct WSdesktopExport {
    enum class Content { windowPicture, text };
    Content content = Content::text;
    std::string save_label, save_shortcut;
    std::string copy_label, copy_shortcut;
    std::string suffix;  // of the proposed file name, without the dot
    std::string filter;  // the save dialog's kind of file: "PNG picture (*.png)"
    // False disables both entries; null means always available.
    std::function<bool()> available = nullptr;
    // The text saved or copied (Content::text).
    std::function<std::string()> text = nullptr;
};

// A line of text the user can copy, from the context menu's first group or by its
// shortcut; the entry is disabled, and the shortcut does nothing, while the text is empty.
struct WSdesktopCopy {
    std::string label, shortcut;
    std::function<std::string()> text;
};

// An entry of the context menu whose shortcut, if any, works anywhere in the window: an
// action, or, given checked, a toggle that shows whether it is on.
struct WSdesktopAction {
    std::string label, shortcut;
    std::function<void()> run;
    // False disables the entry and its shortcut; null means always enabled.
    std::function<bool()> enabled = nullptr;
    // A toggle shows whether it is on; run then switches it. Null: no toggle.
    std::function<bool()> checked = nullptr;

    bool isEnabled() const { return !enabled || enabled(); }
};

struct WSdesktop {
    std::string application_name;  // the window class and where settings are kept
    std::string desktop_id;        // the desktop entry's name without ".desktop"
    std::string icon;              // the window's icon: a picture file the backend can read
    std::string version;
    std::string summary;  // one sentence: what the program does

    std::string main_window;  // instance name; files dropped on it are opened
    std::string open_widget;  // instance name; its activate lets the user choose a file
    std::string open_shortcut;
    // A second way to open, first in the context menu: its entry, its shortcut, its action.
    std::string open_any_label, open_any_shortcut;
    std::function<void()> open_any = nullptr;
    // Opens a file handed in from outside the program's own way; false leaves it to the
    // open widget. Null: the open widget takes every such file.
    std::function<bool(const std::string& path)> open_outside = nullptr;
    // Opens an excerpt of a file, from a start in seconds, of one channel (0: the mean), as
    // the command line's --from and --channel ask; null: those options are not offered.
    std::function<void(const std::string& path, double from_s, int channel)> open_excerpt = nullptr;
    std::vector<std::string> close_shortcuts;
    std::string help_shortcut, help_title, help_text;

    // Offered in the context menu of these widgets, each group between separators: the copies
    // and actions first, then the view entries (how the window shows what it shows), then the
    // exports' save and their copy entries; the shortcuts work anywhere in the window.
    std::vector<WSdesktopCopy> copies;
    std::vector<WSdesktopAction> actions;
    std::vector<WSdesktopAction> view_entries;
    std::vector<WSdesktopExport> exports;
    std::vector<std::string> context_menu_widgets;
    // The file name (no folder) proposed for saving an export of this suffix.
    std::function<std::string(const std::string& suffix)> proposed_name;

    // A one-line hint over this widget (an instance name) until a document is shown.
    std::string empty_hint, empty_hint_widget;

    std::vector<std::string> tab_order;  // instance names, first to last
    // What a screen reader calls a widget that shows no text of its own: instance name and
    // accessible name.
    std::vector<std::pair<std::string, std::string>> accessible_names;
    std::vector<std::string> repeating_buttons;  // activate again and again while held
    // What a widget is, for its tooltip, given its present state; empty for none.
    std::function<std::string(const WSCbase& widget)> tool_tip;
};

// The program's description; empty fields offer nothing.
WSdesktop& WSGIdesktop();

// Opens a file handed in from outside (the command line, a drop) exactly as if the user had
// chosen it at once in the file dialog of the open widget: the file dialog confirms path
// without showing, then the open widget is activated.
void WSopenFile(const std::string& path);
// The same for a file the program may open its own way (open_outside) first.
void WSopenOutsideFile(const std::string& path);

// The action of that label chosen as from the context menu: run when it is enabled; a toggle
// only when it is not already as on says. False when there is no such action or it is
// disabled.
bool WSchooseDesktopAction(const std::string& label, bool on = true);

// The program shows the document of that name (a file just loaded): the backend names it in
// the window manager's title and takes the empty hint away. Null stops the listening.
void WSshowDocumentName(const std::string& name);
void WSsetDocumentListener(std::function<void(const std::string& name)> listener);

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

struct WSdesktop {
    std::string application_name;  // the window class and where settings are kept
    std::string desktop_id;        // the desktop entry's name without ".desktop"
    std::string icon;              // the window's icon: a picture file the backend can read
    std::string version;
    std::string summary;  // one sentence: what the program does

    std::string main_window;  // instance name; files dropped on it are opened
    std::string open_widget;  // instance name; its activate lets the user choose a file
    std::string open_shortcut;
    std::vector<std::string> close_shortcuts;
    std::string help_shortcut, help_title, help_text;

    // Offered in the context menu of these widgets, the copies first, then the exports' save
    // and their copy entries; their shortcuts work anywhere in the window.
    std::vector<WSdesktopCopy> copies;
    std::vector<WSdesktopExport> exports;
    std::vector<std::string> context_menu_widgets;
    // The file name (no folder) proposed for saving an export of this suffix.
    std::function<std::string(const std::string& suffix)> proposed_name;

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

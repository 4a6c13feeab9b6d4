#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One line of a replay script is one user action:
//   load PATH    the file dialog confirms PATH (the rest of the line, blanks included)
//   cancel       the file dialog is cancelled
//   size N       N, one of the size box's items, is chosen in it
//   slide P      the slider's handle is dragged to P, not let go
//   release      the handle is let go
//   back, forw   a click on the step button
//   key K        key K on the slider: Left, Right, PageUp, PageDown, Home or End
//   point X Y    the pointer moves to X, Y in the window's coordinates, no button held
//   click X Y    the left button is pressed and let go there
//   drag X1 Y1 X2 Y2   pressed at X1, Y1, moved to X2, Y2 and let go there
//   leave        the pointer leaves the window
// Blank lines and lines starting with '#' are no actions. Blanks around a line do not
// count, nor a carriage return at its end.
enum class ReplayVerb {
    load,
    cancel,
    size,
    slide,
    release,
    back,
    forw,
    key,
    point,
    click,
    drag,
    leave
};

struct ReplayAction {
    ReplayVerb verb = ReplayVerb::cancel;
    std::string argument;      // load: the path; size: the item's text; key: the key's name
    std::vector<int> numbers;  // slide: P; point, click: X Y; drag: X1 Y1 X2 Y2
    std::string text;          // the line as recorded, without the blanks around it
};

// The action on this line; nothing for a blank line or a comment, and nothing with error
// set to one line for an unknown or malformed one.
std::optional<ReplayAction> parseReplayLine(std::string_view line, std::string& error);

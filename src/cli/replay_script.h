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
//   key K        key K on the focused widget (the slider until a focus action): Left, Right,
//                PageUp, PageDown, Home, End, Shift+Left, Shift+Right, Escape, Plus or Minus
//   focus W      the keyboard focus moves to W, as by Tab: power, phase or slider
//   point X Y    the pointer moves to X, Y in the window's coordinates, no button held
//   click X Y    the left button is pressed and let go there
//   drag X1 Y1 X2 Y2   pressed at X1, Y1, moved to X2, Y2 and let go there
//   leave        the pointer leaves the window
//   resize W H   the user resizes the window to W × H, from 800 × 600 to 8000 × 8000
//   wheel X Y STEPS   the pointer moves to X, Y and the wheel turns STEPS notches there, from
//                −100 to 100 but 0 (positive zooms the spectra in)
//   axis A       the context menu's "Logarithmic frequency axis" set: linear or log
//   open-any PATH [SECONDS [CHANNEL]]   Open any sound…: the file dialog confirms PATH, the
//                excerpt picker (when it comes) OK with the start SECONDS (default 0) and
//                CHANNEL, mean (the default) or 1, 2, …
//   pick PATH    Open any sound…: the file dialog confirms PATH and the picker stays shown
//                for the picker actions that follow:
//   picker-from SECONDS, picker-channel CHANNEL, picker-ok, picker-cancel
//   reference hold        Hold as reference, from the context menu
//   reference open PATH POSITION   Open reference…: the file dialog confirms PATH, the
//                question for the position is answered POSITION
//   reference drop        Drop reference
//   difference on|off     Show difference switched on or off
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
    focus,
    point,
    click,
    drag,
    leave,
    resize,
    wheel,
    axis,
    open_any,
    pick,
    picker_from,
    picker_channel,
    picker_ok,
    picker_cancel,
    reference_hold,
    reference_open,
    reference_drop,
    difference
};

struct ReplayAction {
    ReplayVerb verb = ReplayVerb::cancel;
    // load: the path; size: the item's text; key: the key's name; focus: the widget's
    // instance name; axis: linear or log; reference open: the path; difference: on or off
    std::string argument;
    // slide: P; point, click: X Y; drag: X1 Y1 X2 Y2; resize: W H; wheel: X Y STEPS;
    // reference open: POSITION
    std::vector<int> numbers;
    double seconds = 0;  // open-any, picker-from: the excerpt's start
    int channel = 0;     // open-any, picker-channel: 0 for the mean, or 1, 2, …
    std::string text;    // the line as recorded, without the blanks around it
};

// The action on this line; nothing for a blank line or a comment, and nothing with error
// set to one line for an unknown or malformed one.
std::optional<ReplayAction> parseReplayLine(std::string_view line, std::string& error);

#pragma once

#include <optional>
#include <string>
#include <utility>

#include "cli/arguments.h"
#include "names/window_names.h"

// How render draws the window: at which size (--window-size WxH, the window resized to it as
// a user resizes it), how many device pixels a logical pixel takes (--scale R, a picture
// R times the size, drawn as crisply as on a screen of that pixel ratio), and which
// frequencies the spectrum plots show (--frequency-range LOW:HIGH in Hz, --log-axis), as a
// user zoomed them, and how much the screens it shows on are scaled (--screen-scale R).
struct PictureRequest {
    int width = names::kLeastWindowWidth;
    int height = names::kLeastWindowHeight;
    double scale = 1;
    double screen_scale = 1;
    std::optional<std::pair<double, double>> frequency_range_hz;
    bool log_axis = false;
};

// Whether a user may give the window that size (render's --window-size, replay's resize):
// from its least size to 8000 × 8000, beyond which a picture at the largest scale would
// outgrow its 16-bit coordinates.
bool windowSizeFits(long width, long height);
// Those sizes as a user reads them: "from 800 x 600 to 8000 x 8000".
std::string windowSizesText();

// The scale of the screens a command's window shows on, from its option "screen-scale" (1
// when it is not given); nothing, and error set to one line, when it is not a number from 1
// to 4.
std::optional<double> screenScale(const CommandArguments& arguments, std::string& error);

// The request from a command's options "window-size", "scale", "screen-scale" and
// "frequency-range" and its flag "log-axis"; nothing, and error set to one line, when a value
// is not a size that fits, not a scale from 1 to 4 or not LOW:HIGH with 0 ≤ LOW < HIGH.
std::optional<PictureRequest> pictureRequest(const CommandArguments& arguments, std::string& error);

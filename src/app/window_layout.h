#pragma once

#include <optional>
#include <string_view>

class WSCbase;

// Where the widgets that grow with the main window stand. The window is built at its least
// size, 800 × 600, and the user may make it larger: the controls and labels of the left
// column keep their places and sizes; views 1 and 2, and the slider between them, take all
// the extra width; views 3 and 4, with their captions, share it equally (an odd pixel goes
// to the gap between them) and take all the extra height.

struct WidgetPlace {
    short x;
    short y;
    unsigned short width;
    unsigned short height;
};

// The place of the growing widget of that instance name in a window of window_width ×
// window_height; a size below the least counts as the least. Nothing for any other widget.
std::optional<WidgetPlace> growingWidgetPlace(std::string_view name, int window_width,
                                              int window_height);

// Resize callback of the main window: places every growing widget for the window's size,
// before the plots are drawn again for it.
void win1layout_ep(WSCbase* window);

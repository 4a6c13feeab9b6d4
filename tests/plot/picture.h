#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/WSDdev.h"
#include "toolkit/WSwidgets.h"

namespace plot_test {

struct Line {
    short x1, y1, x2, y2;
};

// A white picture of width × height with exactly these lines, drawn as the device draws
// them: what a plot must equal pixel for pixel.
std::unique_ptr<WSDmwindowDev> pictureWith(unsigned short width, unsigned short height,
                                           const std::vector<Line>& lines = {});

// A device of that size painted black all over, so a test sees what a frame clears.
std::unique_ptr<WSDmwindowDev> blackDevice(unsigned short width, unsigned short height);

// A drawing area of that size, found by its instance name like the window's own.
std::unique_ptr<WSCvdrawingArea> areaOf(const char* name, unsigned short width,
                                        unsigned short height);

void resize(WSCbase& area, unsigned short width, unsigned short height);

// Where two pictures differ, the first few as "(x, y) 0xff... != 0xff..."; empty when
// they are the same size and equal.
std::string differences(const WSDdev& actual, const WSDdev& expected);

inline bool isBlack(const WSDdev& device, int x, int y) { return device.pixel(x, y) == 0xff000000u; }
inline bool isWhite(const WSDdev& device, int x, int y) { return device.pixel(x, y) == 0xffffffffu; }

}  // namespace plot_test

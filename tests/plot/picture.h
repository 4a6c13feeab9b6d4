#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/WSDdev.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSwidgets.h"

namespace plot_test {

struct Line {
    short x1, y1, x2, y2;
};

// The empty frames: a 670 × 100 wave view, a 388 × 330 spectrum view, and the power
// view's axes at that size without ticks.
inline const std::vector<Line> kWaveFrame = {{20, 97, 20, 3}, {650, 50, 20, 50}};
inline const std::vector<Line> kSpectrumFrame = {{11, 321, 11, 9}, {377, 165, 11, 165}};
inline const std::vector<Line> kPowerAxes = {{11, 321, 11, 9}, {377, 321, 11, 321}};

inline void drawLines(WSDmwindowDev& device, const std::vector<Line>& lines) {
    for (const Line& l : lines) device.drawLine(l.x1, l.y1, l.x2, l.y2);
}

// A white picture of an area of width × height at that pixel ratio with exactly these lines
// (in device pixels), drawn as the device draws them: what a plot must equal pixel for pixel.
inline std::unique_ptr<WSDmwindowDev> pictureWith(unsigned short width, unsigned short height,
                                                  const std::vector<Line>& lines = {},
                                                  double ratio = 1) {
    std::unique_ptr<WSDmwindowDev> device(WSDmwindowDev::getNewInstance());
    device->setSize(width, height, ratio);
    drawLines(*device, lines);
    return device;
}

// Painted black all over, so a test sees what a frame clears.
inline std::unique_ptr<WSDmwindowDev> blackDevice(unsigned short width, unsigned short height) {
    auto device = pictureWith(width, height);
    for (unsigned short y = 0; y < height; ++y)
        for (unsigned short x = 0; x < width; ++x) device->setPixel(x, y, 0, 0, 0);
    return device;
}

// A drawing area found by its instance name, as the window's own are.
inline std::unique_ptr<WSCvdrawingArea> areaOf(unsigned short width, unsigned short height,
                                               const char* name = "area") {
    auto area = std::make_unique<WSCvdrawingArea>(nullptr, name);
    area->initialize();
    area->setPropertyV(_WSNwidth(), width);
    area->setPropertyV(_WSNheight(), height);
    return area;
}

// Empty when both pictures are the same size and equal; otherwise the first difference.
inline std::string differences(const WSDdev& actual, const WSDdev& expected) {
    if (actual.width() != expected.width() || actual.height() != expected.height())
        return "sizes differ";
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return "first difference at " + std::to_string(x) + ", " + std::to_string(y);
    return "";
}

}  // namespace plot_test

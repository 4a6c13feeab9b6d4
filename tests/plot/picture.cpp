#include "picture.h"

#include <cstdio>

#include "toolkit/WSNames.h"

namespace plot_test {

std::unique_ptr<WSDmwindowDev> pictureWith(unsigned short width, unsigned short height,
                                           const std::vector<Line>& lines)
{
    std::unique_ptr<WSDmwindowDev> device(WSDmwindowDev::getNewInstance());
    device->setSize(width, height);
    for (const Line& l : lines) device->drawLine(l.x1, l.y1, l.x2, l.y2);
    return device;
}

std::unique_ptr<WSDmwindowDev> blackDevice(unsigned short width, unsigned short height)
{
    std::unique_ptr<WSDmwindowDev> device(WSDmwindowDev::getNewInstance());
    device->setSize(width, height);
    for (unsigned short y = 0; y < height; ++y) {
        for (unsigned short x = 0; x < width; ++x) device->setPixel(x, y, 0, 0, 0);
    }
    return device;
}

std::unique_ptr<WSCvdrawingArea> areaOf(const char* name, unsigned short width,
                                        unsigned short height)
{
    auto area = std::make_unique<WSCvdrawingArea>(nullptr, name);
    area->initialize();
    resize(*area, width, height);
    return area;
}

void resize(WSCbase& area, unsigned short width, unsigned short height)
{
    area.setPropertyV(_WSNwidth(), width);
    area.setPropertyV(_WSNheight(), height);
}

std::string differences(const WSDdev& actual, const WSDdev& expected)
{
    if (actual.width() != expected.width() || actual.height() != expected.height()) {
        return "size " + std::to_string(actual.width()) + "x" + std::to_string(actual.height()) +
               " != " + std::to_string(expected.width()) + "x" + std::to_string(expected.height());
    }
    std::string found;
    int count = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) == expected.pixel(x, y)) continue;
            if (++count <= 8) {
                char text[64];
                std::snprintf(text, sizeof text, "(%d, %d) %08x != %08x; ", x, y,
                              unsigned{actual.pixel(x, y)}, unsigned{expected.pixel(x, y)});
                found += text;
            }
        }
    }
    if (count > 8) found += std::to_string(count) + " pixels in all";
    return found;
}

}  // namespace plot_test

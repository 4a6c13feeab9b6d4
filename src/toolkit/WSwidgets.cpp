#include "toolkit/WSwidgets.h"

#include <algorithm>
#include <cmath>

#include "toolkit/WSCobjectList.h"
#include "toolkit/WSDdev.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSevents.h"

void WSCmainWindow::setVisible(long visible) {
    if (visible && !shown_before_) {
        shown_before_ = true;
        // A copy: an initialise callback may create widgets.
        const std::vector<WSCbase*> widgets = WSGIappObjectList()->all();
        for (WSCbase* widget : widgets) {
            if (widget == this || widget->getParent() == this)
                widget->execProcedure(WSEV_INITIALIZE);
        }
    }
    WSCbase::setVisible(visible);
}

bool WSCmainWindow::setPixelRatio(double ratio) {
    const double previous = pixel_ratio_;
    pixel_ratio_ = usablePixelRatio(ratio);
    return pixel_ratio_ != previous;
}

std::string WSCvslider::defaultValue(std::string_view name) const {
    return name == _WSNminimum() ? "0" : "";
}

int pixelIndex(double v) {
    constexpr double kFarthest = 1e6;
    return std::isnan(v) ? -static_cast<int>(kFarthest)
                         : static_cast<int>(std::floor(std::clamp(v, -kFarthest, kFarthest)));
}

void WSCvdrawingArea::raisePointerEvent(long event, double x, double y) {
    pointer_.x = x;
    pointer_.y = y;
    pointer_.inside = event != WSEV_POINTER_LEAVE;
    if (event == WSEV_POINTER_PRESS) {
        pointer_.pressed = true;
        pointer_.press_x = x;
        pointer_.press_y = y;
    } else if (event == WSEV_POINTER_RELEASE) {
        pointer_.pressed = false;
    } else if (event == WSEV_PAN_PRESS) {
        pointer_.panning = true;
    } else if (event == WSEV_PAN_RELEASE) {
        pointer_.panning = false;
    }
    execProcedure(event);
}

void WSCvdrawingArea::raiseWheelEvent(double x, double y, double steps) {
    wheel_steps_ = steps;
    raisePointerEvent(WSEV_WHEEL, x, y);
}

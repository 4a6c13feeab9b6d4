#include "handlers/position_controls.h"

#include <cstdio>

#include "names/window_names.h"
#include "numbers/whole_number.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

namespace {

constexpr long kDragIntervalsPerRange = 50;

}  // namespace

WSCvariant decimalText(long value) {
    char text[32];
    std::snprintf(text, sizeof text, "%ld", value);
    return WSCvariant(text);
}

long readLongProperty(WSCbase* widget, const char* name, long fallback) {
    return leadingWholeNumber(widget->getProperty(name).text()).value_or(fallback);
}

WSCbase* findPositionSlider() {
    WSCbase* found = WSGIappObjectList()->getInstance("WSCvslider", names::kPositionSlider);
    return found ? found->cast("WSCvslider") : nullptr;
}

long readPosition(WSCbase* slider) {
    const long position = readLongProperty(slider, _WSNvalue(), 0);
    return position < 0 ? 0 : position;
}

long sliderPosition() {
    WSCbase* slider = findPositionSlider();
    return slider ? readPosition(slider) : 0;
}

void updatePositionLabel(long position_samples) {
    if (WSCbase* label = WSGIappObjectList()->getInstance("WSCvlabel", names::kPositionLabel)) {
        label->setProperty(_WSNlabelString(), decimalText(position_samples));
    }
}

void resetSliderRange(long event) {
    WSCbase* slider = findPositionSlider();
    if (!slider) return;
    const WSCstring minimum(slider->getProperty(_WSNminimum()), -2);
    const long range = maxsize - selsize;
    slider->setProperty(_WSNmaximum(), decimalText(range));
    slider->setProperty(_WSNvalue(), WSCvariant(minimum));
    slider->setProperty(_WSNdragInterval(), decimalText(range / kDragIntervalsPerRange));
    slider->execProcedure(event);
}

#include "app/window_layout.h"

#include <algorithm>
#include <string>

#include "names/window_names.h"
#include "toolkit/toolkit.h"

namespace {

enum class Width {
    all_extra,   // widens by all the extra width
    left_half,   // widens by half of it
    right_half,  // widens by half of it and moves right by the rest
};

struct GrowingWidget {
    const char* name;
    WidgetPlace built;  // at the least size
    Width width;
    bool takes_extra_height;
};

constexpr GrowingWidget kGrowingWidgets[] = {
    {names::kWholeWaveArea, {120, 10, 670, 100}, Width::all_extra, false},
    {names::kPositionSlider, {120, 115, 670, 15}, Width::all_extra, false},
    {names::kSegmentArea, {120, 135, 670, 100}, Width::all_extra, false},
    {names::kPowerCaption, {10, 240, 388, 18}, Width::left_half, false},
    {names::kPhaseCaption, {402, 240, 388, 18}, Width::right_half, false},
    {names::kPowerArea, {10, 260, 388, 330}, Width::left_half, true},
    {names::kPhaseArea, {402, 260, 388, 330}, Width::right_half, true},
};

// Beyond this much extra room a widget's place would no longer fit 16 bits.
constexpr int kMostExtra = 30000;

void setNumber(WSCbase* widget, const char* property, int value) {
    const std::string text = std::to_string(value);
    if (widget->getProperty(property).text() != text) widget->setPropertyV(property, text.c_str());
}

}  // namespace

std::optional<WidgetPlace> growingWidgetPlace(std::string_view name, int window_width,
                                              int window_height) {
    const auto found = std::ranges::find(kGrowingWidgets, name, &GrowingWidget::name);
    if (found == std::end(kGrowingWidgets)) return std::nullopt;
    const int extra_width = std::clamp(window_width - names::kLeastWindowWidth, 0, kMostExtra);
    const int extra_height = std::clamp(window_height - names::kLeastWindowHeight, 0, kMostExtra);
    const int half = extra_width / 2;
    WidgetPlace place = found->built;
    switch (found->width) {
        case Width::all_extra:
            place.width = static_cast<unsigned short>(place.width + extra_width);
            break;
        case Width::left_half:
            place.width = static_cast<unsigned short>(place.width + half);
            break;
        case Width::right_half:
            place.x = static_cast<short>(place.x + extra_width - half);
            place.width = static_cast<unsigned short>(place.width + half);
            break;
    }
    if (found->takes_extra_height)
        place.height = static_cast<unsigned short>(place.height + extra_height);
    return place;
}

void win1layout_ep(WSCbase* window) {
    const unsigned short window_width = window->getProperty(_WSNwidth());
    const unsigned short window_height = window->getProperty(_WSNheight());
    for (const GrowingWidget& growing : kGrowingWidgets) {
        WSCbase* widget = WSGIappObjectList()->findInstance(growing.name);
        if (!widget) continue;
        const WidgetPlace place = *growingWidgetPlace(growing.name, window_width, window_height);
        setNumber(widget, _WSNx(), place.x);
        setNumber(widget, _WSNy(), place.y);
        setNumber(widget, _WSNwidth(), place.width);
        setNumber(widget, _WSNheight(), place.height);
    }
}

static WSCfunctionRegister op("win1layout_ep", (void*)win1layout_ep);

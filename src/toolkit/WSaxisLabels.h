#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The numbers a drawing area shows under its axis's ticks (its _WSNoverlayLabels property),
// in the area's logical pixels: each text centred on its tick's column, standing on the row
// just above the axis and kept between the frame's sides, never over the frame itself.
struct WSaxisLabel {
    int x = 0;
    std::string text;
    bool operator==(const WSaxisLabel&) const = default;
};

struct WSaxisLabels {
    int left = 0;    // the frame's left side
    int right = 0;   // its right side
    int axis_y = 0;  // the axis the texts stand above
    std::vector<WSaxisLabel> labels;
    bool operator==(const WSaxisLabels&) const = default;
};

// "LEFT,RIGHT,AXIS_Y;X:TEXT;X:TEXT…" as the property holds it; empty for no labels.
std::string axisLabelsText(const WSaxisLabels& labels);
// The labels the text names; nothing for an empty or malformed text.
std::optional<WSaxisLabels> parseAxisLabels(std::string_view text);

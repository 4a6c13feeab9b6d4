#include "toolkit/WSaxisLabels.h"

#include <algorithm>

#include "numbers/whole_number.h"

std::string axisLabelsText(const WSaxisLabels& labels) {
    if (labels.labels.empty()) return "";
    std::string text = std::to_string(labels.left) + ',' + std::to_string(labels.right) + ',' +
                       std::to_string(labels.axis_y);
    for (const WSaxisLabel& label : labels.labels)
        text += ';' + std::to_string(label.x) + ':' + label.text;
    return text;
}

std::optional<WSaxisLabels> parseAxisLabels(std::string_view text) {
    const auto next_field = [&text](char separator) {
        const std::size_t end = std::min(text.find(separator), text.size());
        const std::string_view field = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        return field;
    };
    WSaxisLabels labels;
    const std::string_view frame = next_field(';');
    const std::size_t first = frame.find(','), second = frame.rfind(',');
    if (first == std::string_view::npos || first == second) return std::nullopt;
    const auto left = wholeInt(frame.substr(0, first));
    const auto right = wholeInt(frame.substr(first + 1, second - first - 1));
    const auto axis_y = wholeInt(frame.substr(second + 1));
    if (!left || !right || !axis_y) return std::nullopt;
    labels = {*left, *right, *axis_y, {}};
    while (!text.empty()) {
        const std::string_view label = next_field(';');
        const std::size_t colon = label.find(':');
        const auto x = wholeInt(label.substr(0, std::min(colon, label.size())));
        if (colon == std::string_view::npos || !x) return std::nullopt;
        labels.labels.push_back({*x, std::string(label.substr(colon + 1))});
    }
    if (labels.labels.empty()) return std::nullopt;
    return labels;
}

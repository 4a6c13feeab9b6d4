#include "cli/window_state_json.h"

#include <map>

#include "cli/json_line.h"
#include "names/window_names.h"
#include "toolkit/WSexcerptPicker.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"
#include "wave/reference_state.h"

namespace {

// The properties a slider reads through defaults when the program never set them.
std::map<std::string, std::string, std::less<>> shownProperties(WSCbase& widget) {
    auto table = widget.properties();
    if (widget.cast("WSCvslider")) {
        for (const char* name : {_WSNvalue(), _WSNminimum(), _WSNmaximum(), _WSNdragInterval()}) {
            table[name] = widget.getProperty(name).text();
        }
    }
    return table;
}

}  // namespace

std::string windowStateJson(long step, long line, std::string_view action,
                            const std::vector<WSshownMessage>& messages,
                            const std::optional<std::string>& tooltip,
                            const ShownFrequencies& frequencies, const WSCexcerptPicker* picker) {
    JsonObject record;
    record["step"] = step;
    record["line"] = line;
    record["action"] = action;
    record["messages"] = JsonObject::array();
    for (const WSshownMessage& message : messages)
        record["messages"].push_back({{"text", message.text}, {"x", message.x}, {"y", message.y}});
    record["tooltip"] = tooltip ? JsonObject(*tooltip) : JsonObject(nullptr);
    WSCbase* window = WSGIappObjectList()->getInstance("WSCmainWindow", names::kMainWindow);
    if (window) {
        const unsigned short width = window->getProperty(_WSNwidth());
        const unsigned short height = window->getProperty(_WSNheight());
        record["window_size"] = {width, height};
    }
    record["frequency_range"] = {frequencies.low_hz, frequencies.high_hz};
    record["log_axis"] = frequencies.logarithmic;
    record["reference"] = nullptr;
    if (heldReference) {
        record["reference"] = {{"file", heldReference->name},
                               {"size", selsize},
                               {"position", heldReference->position}};
    }
    JsonObject& widgets = record["widgets"] = JsonObject::object();
    for (WSCbase* widget : WSGIappObjectList()->all()) {
        if (!window || (widget != window && widget->getParent() != window)) continue;
        JsonObject& shown = widgets[widget->getInstanceName()];
        shown["class"] = widget->getClassName();
        shown["properties"] = JsonObject::object();
        for (const auto& [name, value] : shownProperties(*widget))
            shown["properties"][name] = value;
    }
    if (picker) {
        record["picker"] = {{"facts", picker->facts()},
                            {"duration_s", picker->durationSeconds()},
                            {"from_s", picker->fromSeconds()},
                            {"channel", picker->channel()}};
    }
    return jsonLine(record);
}

#include "cli/window_state_json.h"

#include <map>

#include "cli/json_writer.h"
#include "names/window_names.h"
#include "toolkit/toolkit.h"

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
                            const std::optional<std::string>& tooltip) {
    JsonWriter json;
    json.beginObject();
    json.key("step").value(step);
    json.key("line").value(line);
    json.key("action").value(action);
    json.key("messages").beginArray();
    for (const WSshownMessage& message : messages) {
        json.beginObject();
        json.key("text").value(message.text);
        json.key("x").value(message.x);
        json.key("y").value(message.y);
        json.endObject();
    }
    json.endArray();
    json.key("tooltip");
    if (tooltip) {
        json.value(*tooltip);
    } else {
        json.null();
    }
    json.key("widgets").beginObject();
    WSCbase* window = WSGIappObjectList()->getInstance("WSCmainWindow", names::kMainWindow);
    for (WSCbase* widget : WSGIappObjectList()->all()) {
        if (!window || (widget != window && widget->getParent() != window)) continue;
        json.key(widget->getInstanceName()).beginObject();
        json.key("class").value(widget->getClassName());
        json.key("properties").beginObject();
        for (const auto& [name, value] : shownProperties(*widget)) json.key(name).value(value);
        json.endObject();
        json.endObject();
    }
    json.endObject();
    json.endObject();
    return json.text() + '\n';
}

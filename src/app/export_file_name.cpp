#include "app/export_file_name.h"

#include <cctype>
#include <cstdlib>
#include <string_view>

#include "names/window_names.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

namespace {

constexpr std::string_view kWaveSuffix = ".wav";

std::string withoutWaveSuffix(std::string name) {
    if (name.size() <= kWaveSuffix.size()) return name;
    const std::string_view tail = std::string_view(name).substr(name.size() - kWaveSuffix.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(tail[i])) != kWaveSuffix[i]) return name;
    }
    name.resize(name.size() - kWaveSuffix.size());
    return name;
}

std::string text(const char* class_name, const char* instance_name, const char* property) {
    WSCbase* widget = WSGIappObjectList()->getInstance(class_name, instance_name);
    return widget ? widget->getProperty(property).text() : "";
}

}  // namespace

std::string exportFileName(const std::string& suffix) {
    const std::string name =
        siii ? withoutWaveSuffix(text("WSCvlabel", names::kNameLabel, _WSNlabelString()))
             : "sefaro";
    const long position =
        std::strtol(text("WSCvslider", names::kPositionSlider, _WSNvalue()).c_str(), nullptr, 10);
    return name + "-" + text("WSCcomboBox", names::kSizeBox, _WSNlabelString()) + "-" +
           std::to_string(position < 0 ? 0 : position) + "." + suffix;
}

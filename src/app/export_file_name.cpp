#include "app/export_file_name.h"

#include "names/window_names.h"
#include "numbers/whole_number.h"
#include "report/export_name.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

namespace {

std::string text(const char* class_name, const char* instance_name, const char* property) {
    WSCbase* widget = WSGIappObjectList()->getInstance(class_name, instance_name);
    return widget ? widget->getProperty(property).text() : "";
}

long number(const char* class_name, const char* instance_name, const char* property,
            long fallback) {
    return leadingWholeNumber(text(class_name, instance_name, property)).value_or(fallback);
}

}  // namespace

std::string exportFileName(const std::string& suffix) {
    const std::string name =
        siii ? text("WSCvlabel", names::kNameLabel, _WSNlabelString()) : "sefaro";
    const long size =
        number("WSCcomboBox", names::kSizeBox, _WSNlabelString(), names::kDefaultSegmentSize);
    const long position = number("WSCvslider", names::kPositionSlider, _WSNvalue(), 0);
    return exportStem(name, size, position < 0 ? 0 : position) + "." + suffix;
}

#include "app/export_file_name.h"

#include "handlers/position_controls.h"
#include "names/window_names.h"
#include "report/export_name.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

std::string exportFileName(const std::string& suffix) {
    WSCbase* name_label = WSGIappObjectList()->getInstance("WSCvlabel", names::kNameLabel);
    WSCbase* size_box = WSGIappObjectList()->getInstance("WSCcomboBox", names::kSizeBox);
    const std::string name =
        siii && name_label ? name_label->getProperty(_WSNlabelString()).text() : "sefaro";
    const long size =
        size_box ? readLongProperty(size_box, _WSNlabelString(), names::kDefaultSegmentSize)
                 : names::kDefaultSegmentSize;
    return exportStem(name, size, sliderPosition()) + "." + suffix;
}

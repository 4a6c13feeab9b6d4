#include "toolkit/qt/qt_backend.h"

#include <string_view>

#include "toolkit/WSCbase.h"
#include "toolkit/qt/qt_combo_box.h"
#include "toolkit/qt/qt_drawing_area.h"
#include "toolkit/qt/qt_main_window.h"
#include "toolkit/qt/qt_slider.h"
#include "toolkit/qt/qt_text_widgets.h"

namespace wsqt {

std::unique_ptr<WSCpeer> QtBackend::realise(WSCbase& widget) {
    const std::string_view kind = widget.getClassName();
    if (kind == "WSCmainWindow") return std::unique_ptr<WSCpeer>(makeMainWindowPeer(widget));

    // Every other widget lives inside its parent's Qt widget; one without is not shown.
    QWidget* parent = widgetOf(widget.getParent());
    if (!parent) return nullptr;
    if (kind == "WSCvbtn") return std::unique_ptr<WSCpeer>(makeButtonPeer(widget, parent));
    if (kind == "WSCvlabel") return std::unique_ptr<WSCpeer>(makeLabelPeer(widget, parent));
    if (kind == "WSCvslider") return std::unique_ptr<WSCpeer>(makeSliderPeer(widget, parent));
    if (kind == "WSCcomboBox") return std::unique_ptr<WSCpeer>(makeComboBoxPeer(widget, parent));
    if (kind == "WSCvdrawingArea")
        return std::unique_ptr<WSCpeer>(makeDrawingAreaPeer(widget, parent));
    return nullptr;
}

}  // namespace wsqt

#include "handlers/wave_load_display.h"

#include "handlers/position_controls.h"
#include "handlers/size_change.h"
#include "names/window_names.h"
#include "toolkit/WSdesktop.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

namespace {

// Dialogs of one load appear this far right of and below the main window's corner.
constexpr long kDialogOffset = 20;

void setLabel(const char* instance_name, const WSCvariant& text) {
    if (WSCbase* label = WSGIappObjectList()->getInstance("WSCvlabel", instance_name)) {
        label->setProperty(_WSNlabelString(), text);
    }
}

}  // namespace

WSCfileSelect* placedFileDialog(WSCbase* object, DialogPlace& place) {
    if (object) place = {object->getProperty(_WSNx()).text(), object->getProperty(_WSNy()).text()};
    WSCfileSelect* dialog = WSGIappFileSelect();
    if (WSCbase* window = WSGIappObjectList()->getInstance("WSCmainWindow", names::kMainWindow)) {
        place.x = decimalText(readLongProperty(window, _WSNx(), 0) + kDialogOffset).text();
        place.y = decimalText(readLongProperty(window, _WSNy(), 0) + kDialogOffset).text();
        dialog->setPropertyV(_WSNx(), place.x.c_str());
        dialog->setPropertyV(_WSNy(), place.y.c_str());
    }
    return dialog;
}

void showLoadMessage(const DialogPlace& place, const char* message) {
    WSCmessageDialog* dialog = WSGIappMessageDialog();
    dialog->setPropertyV(_WSNx(), place.x.c_str());
    dialog->setPropertyV(_WSNy(), place.y.c_str());
    dialog->setPropertyV(_WSNlabelString(), message);
    dialog->popup();
}

void showLoadedWave(const std::string& file_name) {
    setLabel(names::kNameLabel, WSCvariant(file_name.c_str()));
    setLabel(names::kRateLabel, WSCvariant("44100Hz"));
    setLabel(names::kBitsLabel, WSCvariant("16bitsPerSamp"));
    setLabel(names::kPointsLabel, decimalText(maxsize));
    setLabel(names::kPositionLabel, WSCvariant("0"));
    changeSegmentSize(WaveView::redraw, WSEV_EXPOSE);
    WSshowDocumentName(file_name);
}

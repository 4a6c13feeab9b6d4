#include <string>

#include "handlers/control_callbacks.h"
#include "handlers/position_controls.h"
#include "handlers/size_change.h"
#include "names/window_names.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"
#include "wave/wave_reader.h"

namespace {

// Dialogs of one load appear this far right of and below the main window's corner.
constexpr long kDialogOffset = 20;

void setLabel(const char* instance_name, const WSCvariant& text) {
    if (WSCbase* label = WSGIappObjectList()->getInstance("WSCvlabel", instance_name)) {
        label->setProperty(_WSNlabelString(), text);
    }
}

void showMessage(const std::string& x_text, const std::string& y_text, const char* message) {
    WSCmessageDialog* dialog = WSGIappMessageDialog();
    dialog->setPropertyV(_WSNx(), x_text.c_str());
    dialog->setPropertyV(_WSNy(), y_text.c_str());
    dialog->setPropertyV(_WSNlabelString(), message);
    dialog->popup();
}

}  // namespace

// Lets the user choose a file, reads it, shows its facts and rebuilds every plot from
// its start with the size shown in the combo box. A cancel or a refused file changes
// nothing, not even the folder the next choice starts in.
void wave1act_ep(WSCbase* object) {
    std::string x_text = object->getProperty(_WSNx()).text();
    std::string y_text = object->getProperty(_WSNy()).text();
    WSCfileSelect* dialog = WSGIappFileSelect();
    if (WSCbase* window = WSGIappObjectList()->getInstance("WSCmainWindow", names::kMainWindow)) {
        x_text = decimalText(readLongProperty(window, _WSNx(), 0) + kDialogOffset).text();
        y_text = decimalText(readLongProperty(window, _WSNy(), 0) + kDialogOffset).text();
        dialog->setPropertyV(_WSNx(), x_text.c_str());
        dialog->setPropertyV(_WSNy(), y_text.c_str());
    }
    if (dialog->popup() != 1) return;

    const WSCstring path = dialog->getFileName();
    const WSCstring file_name(dialog->getProperty(_WSNfileName()), -2);
    const WaveRead read = readWaveFile(path.getString(-2));
    // The notice of a cut file comes while the previous wave is still whole, so the state
    // is consistent whatever runs during the modal dialog.
    if (read.message) showMessage(x_text, y_text, read.message);
    if (read.outcome == WaveReadOutcome::refused) return;
    dialog->keepFolder();
    keepWave(read);

    setLabel(names::kNameLabel, WSCvariant(file_name));
    setLabel(names::kRateLabel, WSCvariant("44100Hz"));
    setLabel(names::kBitsLabel, WSCvariant("16bitsPerSamp"));
    setLabel(names::kPointsLabel, decimalText(maxsize));
    setLabel(names::kPositionLabel, WSCvariant("0"));
    changeSegmentSize(WaveView::redraw, WSEV_EXPOSE);
}

static WSCfunctionRegister op("wave1act_ep", (void*)wave1act_ep);

#include <string>

#include "handlers/control_callbacks.h"
#include "handlers/converted_source.h"
#include "handlers/wave_load_display.h"
#include "toolkit/toolkit.h"
#include "wave/wave_reader.h"

// Lets the user choose a file, reads it, shows its facts and rebuilds every plot from
// its start with the size shown in the combo box. A cancel or a refused file changes
// nothing, not even the folder the next choice starts in.
void wave1act_ep(WSCbase* object) {
    DialogPlace place;
    WSCfileSelect* dialog = placedFileDialog(object, place);
    if (dialog->popup() != 1) return;

    const WSCstring path = dialog->getFileName();
    const WSCstring file_name(dialog->getProperty(_WSNfileName()), -2);
    const WaveRead read = readWaveFile(path.getString(-2));
    // The notice of a cut file comes while the previous wave is still whole, so the state
    // is consistent whatever runs during the modal dialog.
    if (read.message) showLoadMessage(place, read.message);
    if (read.outcome == WaveReadOutcome::refused) return;
    dialog->keepFolder();
    keepWave(read);
    forgetConvertedSource();
    showLoadedWave(file_name.getString(-2));
}

static WSCfunctionRegister op("wave1act_ep", (void*)wave1act_ep);

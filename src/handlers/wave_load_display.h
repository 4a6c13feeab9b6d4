#pragma once

#include <string>

class WSCbase;
class WSCfileSelect;

// What every load shows: its dialogs placed beside the main window, its messages, and the
// wave it kept, in labels and plots.

// Where a load's dialogs stand, as the texts of _WSNx and _WSNy.
struct DialogPlace {
    std::string x, y;
};

// The place of the dialogs of a load started from object (whose own place counts when no
// main window is found), given to the file dialog, which is returned.
WSCfileSelect* placedFileDialog(WSCbase* object, DialogPlace& place);

void showLoadMessage(const DialogPlace& place, const char* message);

// Shows the wave just kept (siii, maxsize): its file name, 44100Hz, 16bitsPerSamp, its
// points and position 0 in the labels; every plot rebuilt from its start with the size
// shown in the combo box.
void showLoadedWave(const std::string& file_name);

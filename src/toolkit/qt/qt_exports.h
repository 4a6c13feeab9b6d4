#pragma once

#include "toolkit/WSdesktop.h"

class QWidget;

namespace wsqt {

// Whether the export has something to give now.
bool exportAvailable(const WSdesktopExport& what);

// Asks where to save the export, proposing its file name in the folder of the last file
// loaded, and writes it there whole or not at all; a failure is shown in the message dialog
// and leaves no file behind. Nothing happens when the export is not available.
void saveExport(const WSdesktop& description, const WSdesktopExport& what, QWidget* window);

// Puts the export on the clipboard: a picture as an image, a text as text.
void copyExport(const WSdesktopExport& what, QWidget* window);

}  // namespace wsqt

#pragma once

#include <QString>
#include <optional>

#include "toolkit/WSdesktop.h"

class QWidget;

namespace wsqt {

// Whether the export has something to give now.
bool exportAvailable(const WSdesktopExport& what);

// Asks where to save the export, proposing its file name in save_folder, or while there is
// none (or it has gone) in the folder of the last file loaded; a name given without an
// extension gets the export's. Writes it there whole or not at all, and gives the path
// written; a failure is shown in the message dialog and leaves no file behind. Nothing
// happens when the export is not available.
std::optional<QString> saveExport(const WSdesktop& description, const WSdesktopExport& what,
                                  QWidget* window, const QString& save_folder);

// Puts the export on the clipboard: a picture as an image, a text as text.
void copyExport(const WSdesktopExport& what, QWidget* window);

}  // namespace wsqt

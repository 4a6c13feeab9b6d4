#pragma once

#include <QByteArray>
#include <QImage>

class QWidget;

namespace wsqt {

// The window as it shows the program's state, drawn without the keyboard focus's frame and
// without what the pointer shows over the areas (they hear it leave before the picture and
// come back after it), so that the same state gives the same picture wherever the focus and
// the pointer are. Saving it from the window and rendering it from the command line both
// use this.
QImage windowPicture(QWidget* window);

// The picture as the bytes of a file of that format (one Qt's image writer has, "PNG" by
// default); empty if it cannot be encoded.
QByteArray encodedPicture(const QImage& picture, const char* format = "PNG");

}  // namespace wsqt

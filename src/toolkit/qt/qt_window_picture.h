#pragma once

#include <QByteArray>
#include <QImage>

class QWidget;

namespace wsqt {

// What a picture of the window holds besides the program's state: what the pointer shows
// over the areas (the readouts) and the keyboard focus's frame.
enum class PointerAndFocus { left_out, shown };

// The window as it shows the program's state. Left out, the focus's frame is not drawn and
// the areas under the pointer hear it leave before the picture and come back after it, so
// that the same state gives the same picture wherever the focus and the pointer are; shown,
// it is the window as the screen shows it. It is drawn at ratio device pixels per logical
// pixel, at the window's present size: 1 gives it in logical pixels, whatever the screen's
// ratio. When the window shows at another ratio, it hears of the ratio's change (resize)
// before the picture, so its plots are drawn at that ratio, and back after it. Saving it from
// the window and rendering it from the command line both use this.
QImage windowPicture(QWidget* window, double ratio = 1,
                     PointerAndFocus pointer_and_focus = PointerAndFocus::left_out);

// The picture as the bytes of a file of that format (one Qt's image writer has, "PNG" by
// default); empty if it cannot be encoded.
QByteArray encodedPicture(const QImage& picture, const char* format = "PNG");

}  // namespace wsqt

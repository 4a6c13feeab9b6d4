#pragma once

#include "toolkit/qt/qt_peer.h"

namespace wsqt {

// An area that paints its window device. A paint that Qt asks for (the area uncovered,
// say) first raises expose, whose callback may copy a new picture into the device; such a
// copy made while painting requests no further paint, so painting never loops. A paint
// that follows the program's own expose shows the picture it copied without a second copy.
// The pointer over the area raises move, leave, press and release (left button only), and
// the area tints the columns its band property names over the picture it shows. With the
// keyboard focus it raises key press, and focus in and out, and shows a focus frame over its
// picture.
Peer* makeDrawingAreaPeer(WSCbase& owner, QWidget* parent);

}  // namespace wsqt

#pragma once

#include "toolkit/qt/qt_peer.h"

namespace wsqt {

// An area that paints its window device. Each paint first raises expose, whose callback
// may copy a new picture into the device; such a copy made while painting requests no
// further paint, so painting never loops.
Peer* makeDrawingAreaPeer(WSCbase& owner, QWidget* parent);

}  // namespace wsqt

#pragma once

#include "toolkit/qt/qt_peer.h"

namespace wsqt {

// A horizontal slider. Every user movement raises value change; the end of each user
// gesture (release of a drag, a click on the groove, a key, a wheel step) raises activate,
// so what follows the slider's final position is always redone.
Peer* makeSliderPeer(WSCbase& owner, QWidget* parent);

}  // namespace wsqt

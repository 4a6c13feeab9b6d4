#pragma once

#include "toolkit/qt/qt_peer.h"

namespace wsqt {

// The top-level window: its title and place, shown only through setVisible. The first size
// the program sets is the least it takes: the user may make it larger or maximise it. Each
// time it takes another size, or comes to a screen of another pixel ratio, its table holds
// the size, the toolkit's window the ratio, and it raises resize.
Peer* makeMainWindowPeer(WSCbase& owner);

}  // namespace wsqt

#pragma once

#include "toolkit/qt/qt_peer.h"

namespace wsqt {

// A choice among the comma-separated _WSNmenuItems, with no typed text. A user's choice,
// the current one included, becomes _WSNlabelString and then raises activate.
Peer* makeComboBoxPeer(WSCbase& owner, QWidget* parent);

}  // namespace wsqt

#pragma once

#include "toolkit/WSbackend.h"

namespace wsqt {

// Realises the toolkit's widgets as Qt widgets and shows its dialogs as modal Qt dialogs.
// Needs a QApplication for as long as it is installed.
class QtBackend : public WSbackend {
public:
    std::unique_ptr<WSCpeer> realise(WSCbase& widget) override;
    std::optional<std::string> runFileDialog(WSCfileSelect& dialog) override;
    void runMessageDialog(WSCmessageDialog& dialog) override;
};

}  // namespace wsqt

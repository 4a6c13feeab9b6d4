#pragma once

#include <QString>

#include "toolkit/WSbackend.h"

namespace wsqt {

// Realises the toolkit's widgets as Qt widgets and shows its dialogs as modal Qt dialogs.
// Needs a QApplication for as long as it is installed.
class QtBackend : public WSbackend {
  public:
    std::unique_ptr<WSCpeer> realise(WSCbase& widget) override;
    std::optional<std::string> runFileDialog(WSCfileSelect& dialog) override;
    void runMessageDialog(WSCmessageDialog& dialog) override;
    std::optional<std::string> runSaveDialog(const std::string& proposed_path,
                                             const std::string& filter) override;
    bool runExcerptPicker(WSCexcerptPicker& picker) override;
    std::optional<long> runNumberDialog(const WSnumberQuestion& question) override;
};

// Where a file dialog starts: the kept folder; the current folder when none was kept yet;
// the home folder when the kept one no longer exists.
QString startFolder(const std::string& kept_folder);

}  // namespace wsqt

#include "toolkit/WSdialogs.h"

#include <filesystem>
#include <optional>

#include "toolkit/WSNames.h"
#include "toolkit/WSbackend.h"

WSCfileSelect::WSCfileSelect() : WSCbase(nullptr, "fileSelect", "WSCfileSelect") {}

long WSCfileSelect::popup()
{
    std::optional<std::string> chosen;
    if (WSdialogResponder* responder = WSinstalledDialogResponder()) {
        chosen = responder->chooseFile(*this);
    } else if (WSbackend* backend = WSinstalledBackend()) {
        chosen = backend->runFileDialog(*this);
    }
    if (!chosen || chosen->empty()) return 0;
    path_ = *chosen;
    const std::filesystem::path path(path_);
    last_directory_ = path.parent_path().string();
    setPropertyV(_WSNfileName(), path.filename().string().c_str());
    return 1;
}

WSCmessageDialog::WSCmessageDialog() : WSCbase(nullptr, "messageDialog", "WSCmessageDialog") {}

long WSCmessageDialog::popup()
{
    if (WSdialogResponder* responder = WSinstalledDialogResponder()) {
        responder->takeMessage(*this);
    } else if (WSbackend* backend = WSinstalledBackend()) {
        backend->runMessageDialog(*this);
    }
    return 1;
}

namespace {

// Built on first use, after a backend may have been installed, and kept to the end.
template <class Dialog>
Dialog* shared()
{
    static Dialog* dialog = [] {
        auto* d = new Dialog;
        d->initialize();
        return d;
    }();
    return dialog;
}

}  // namespace

WSCfileSelect* WSGIappFileSelect() { return shared<WSCfileSelect>(); }

WSCmessageDialog* WSGIappMessageDialog() { return shared<WSCmessageDialog>(); }

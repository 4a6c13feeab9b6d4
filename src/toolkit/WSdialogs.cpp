#include "toolkit/WSdialogs.h"

#include <filesystem>
#include <optional>
#include <utility>

#include "toolkit/WSNames.h"
#include "toolkit/WSbackend.h"
#include "toolkit/WSexcerptPicker.h"

WSCfileSelect::WSCfileSelect() : WSCbase(nullptr, "fileSelect", "WSCfileSelect") {}

long WSCfileSelect::popup() {
    std::optional<std::string> chosen;
    if (next_answer_) {
        chosen = std::exchange(next_answer_, std::nullopt);
    } else if (WSdialogResponder* responder = WSinstalledDialogResponder()) {
        chosen = responder->chooseFile(*this);
    } else if (WSbackend* backend = WSinstalledBackend()) {
        chosen = backend->runFileDialog(*this);
    }
    title_.clear();
    name_filters_.clear();
    if (!chosen || chosen->empty()) return 0;
    path_ = *chosen;
    setPropertyV(_WSNfileName(), std::filesystem::path(path_).filename().string().c_str());
    return 1;
}

void WSCfileSelect::offerNext(std::string title, std::vector<std::string> name_filters) {
    title_ = std::move(title);
    name_filters_ = std::move(name_filters);
}

void WSCfileSelect::keepFolder() {
    last_directory_ = std::filesystem::path(path_).parent_path().string();
    if (folder_listener_) folder_listener_(last_directory_);
}

WSCmessageDialog::WSCmessageDialog() : WSCbase(nullptr, "messageDialog", "WSCmessageDialog") {}

long WSCmessageDialog::popup() {
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
Dialog* shared() {
    static Dialog* dialog = [] {
        auto* d = new Dialog;
        d->initialize();
        return d;
    }();
    return dialog;
}

}  // namespace

WSCfileSelect* WSGIappFileSelect() {
    return shared<WSCfileSelect>();
}

WSCmessageDialog* WSGIappMessageDialog() {
    return shared<WSCmessageDialog>();
}

WSCexcerptPicker* WSGIappExcerptPicker() {
    return shared<WSCexcerptPicker>();
}

std::optional<long> WSGFaskWholeNumber(const WSnumberQuestion& question) {
    if (WSdialogResponder* responder = WSinstalledDialogResponder())
        return responder->chooseNumber(question);
    if (WSbackend* backend = WSinstalledBackend()) return backend->runNumberDialog(question);
    return std::nullopt;
}

std::optional<std::string> WSGFchooseSaveFile(const std::string& proposed_path,
                                              const std::string& filter) {
    if (WSdialogResponder* responder = WSinstalledDialogResponder())
        return responder->chooseSaveFile(proposed_path);
    if (WSbackend* backend = WSinstalledBackend())
        return backend->runSaveDialog(proposed_path, filter);
    return std::nullopt;
}

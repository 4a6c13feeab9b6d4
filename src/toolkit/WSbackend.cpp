#include "toolkit/WSbackend.h"

namespace {
WSbackend* installed_backend = nullptr;
WSdialogResponder* installed_responder = nullptr;
}  // namespace

void WSinstallBackend(WSbackend* backend) {
    installed_backend = backend;
}
WSbackend* WSinstalledBackend() {
    return installed_backend;
}
void WSinstallDialogResponder(WSdialogResponder* responder) {
    installed_responder = responder;
}
WSdialogResponder* WSinstalledDialogResponder() {
    return installed_responder;
}

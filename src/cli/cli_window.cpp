#include "cli/cli_window.h"

#include "toolkit/WSscriptedUser.h"
#include "toolkit/qt/headless.h"
#include "toolkit/toolkit.h"

namespace {

constexpr const char* kLoadButton = "newvbtn_000";
constexpr const char* kSizeBox = "newcomb_000";
constexpr const char* kSlider = "newvsli_000";
constexpr const char* kBackButton = "newvbtn_001";
constexpr const char* kForwButton = "newvbtn_002";

}  // namespace


CliWindow::CliWindow() : user_(std::make_unique<WSscriptedUser>()) {
    wsqt::HeadlessSession::quietQtMessages();
    WSinstallDialogResponder(user_.get());
    session_ = std::make_unique<wsqt::HeadlessSession>();
}

CliWindow::~CliWindow() {
    session_.reset();
    WSinstallDialogResponder(nullptr);
}

void CliWindow::load(const std::string& path) {
    user_->queueAnswer(path);
    session_->click(kLoadButton);
}

void CliWindow::cancelLoad() {
    user_->queueAnswer(std::nullopt);
    session_->click(kLoadButton);
}

bool CliWindow::chooseSize(const std::string& item) {
    return session_->choose(kSizeBox, item.c_str());
}
void CliWindow::slide(int value) {
    session_->slide(kSlider, value);
}
void CliWindow::release() {
    session_->release(kSlider);
}
void CliWindow::back() {
    session_->click(kBackButton);
}
void CliWindow::forw() {
    session_->click(kForwButton);
}
void CliWindow::sliderKey(const std::string& key_name) {
    session_->key(kSlider, key_name.c_str());
}

std::vector<WSshownMessage> CliWindow::takeMessages() {
    return user_->takeMessages();
}

std::string CliWindow::windowPng() {
    return session_->windowPng();
}

#include "cli/cli_window.h"

#include "names/window_names.h"
#include "toolkit/WSscriptedUser.h"
#include "toolkit/qt/headless.h"
#include "toolkit/qt/qt_window_picture.h"
#include "toolkit/toolkit.h"

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
    session_->click(names::kSelectButton);
}

void CliWindow::cancelLoad() {
    user_->queueAnswer(std::nullopt);
    session_->click(names::kSelectButton);
}

bool CliWindow::chooseSize(const std::string& item) {
    return session_->choose(names::kSizeBox, item.c_str());
}
std::string CliWindow::shownSize() const {
    const WSCbase* box = wsqt::HeadlessSession::find(names::kSizeBox);
    return box ? box->getProperty(_WSNlabelString()).text() : "";
}

void CliWindow::slide(int value) {
    session_->slide(names::kPositionSlider, value);
}
void CliWindow::release() {
    session_->release(names::kPositionSlider);
}
void CliWindow::back() {
    session_->click(names::kBackButton);
}
void CliWindow::forw() {
    session_->click(names::kForwButton);
}
void CliWindow::sliderKey(const std::string& key_name) {
    session_->key(names::kPositionSlider, key_name.c_str());
}

void CliWindow::point(int x, int y) {
    session_->point(x, y);
}
void CliWindow::click(int x, int y) {
    session_->click(x, y);
}
void CliWindow::drag(int from_x, int from_y, int to_x, int to_y) {
    session_->drag(from_x, from_y, to_x, to_y);
}
void CliWindow::leave() {
    session_->leave();
}
std::optional<std::string> CliWindow::tooltip() const {
    return session_->tooltipUnderPointer();
}

std::vector<WSshownMessage> CliWindow::takeMessages() {
    return user_->takeMessages();
}

std::string CliWindow::windowPicture(const std::string& format) {
    return wsqt::encodedPicture(session_->grabWindow(), format.c_str()).toStdString();
}

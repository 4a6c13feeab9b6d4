#include "cli/cli_window.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QtGlobal>
#include <cstdio>

#include "toolkit/WSbackend.h"
#include "toolkit/qt/headless.h"
#include "toolkit/toolkit.h"

namespace {

constexpr const char* kLoadButton = "newvbtn_000";
constexpr const char* kSizeBox = "newcomb_000";
constexpr const char* kSlider = "newvsli_000";
constexpr const char* kBackButton = "newvbtn_001";
constexpr const char* kForwButton = "newvbtn_002";

// stderr carries what the user must read: the reader's messages and the commands' errors.
// Qt's debug output and warnings about the environment (no runtime folder, say) say
// nothing about the file or the request; only its critical and fatal messages get through.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "Qt: %s\n", qPrintable(message));
}

int qtKey(ReplayKey key) {
    switch (key) {
        case ReplayKey::left:
            return Qt::Key_Left;
        case ReplayKey::right:
            return Qt::Key_Right;
        case ReplayKey::pageUp:
            return Qt::Key_PageUp;
        case ReplayKey::pageDown:
            return Qt::Key_PageDown;
        case ReplayKey::home:
            return Qt::Key_Home;
        case ReplayKey::end:
            return Qt::Key_End;
    }
    return Qt::Key_unknown;
}

}  // namespace

struct CliWindow::User : WSdialogResponder {
    std::optional<std::string> answer;
    std::vector<ShownMessage> messages;

    std::optional<std::string> chooseFile(WSCfileSelect&) override {
        return std::exchange(answer, std::nullopt);
    }
    void takeMessage(WSCmessageDialog& dialog) override {
        messages.push_back({dialog.getProperty(_WSNlabelString()).text(),
                            dialog.getProperty(_WSNx()).text(),
                            dialog.getProperty(_WSNy()).text()});
    }
};

CliWindow::CliWindow() : user_(std::make_unique<User>()) {
    qInstallMessageHandler(keepQtQuiet);
    WSinstallDialogResponder(user_.get());
    session_ = std::make_unique<wsqt::HeadlessSession>();
}

CliWindow::~CliWindow() {
    session_.reset();
    WSinstallDialogResponder(nullptr);
}

void CliWindow::load(const std::string& path) {
    user_->answer = path;
    session_->click(kLoadButton);
}

void CliWindow::cancelLoad() {
    user_->answer.reset();
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
void CliWindow::sliderKey(ReplayKey key) {
    session_->key(kSlider, qtKey(key));
}

std::vector<ShownMessage> CliWindow::takeMessages() {
    return std::exchange(user_->messages, {});
}

std::string CliWindow::windowPng() {
    const QImage picture = session_->grabWindow();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (picture.isNull() || !buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return {};
    return bytes.toStdString();
}

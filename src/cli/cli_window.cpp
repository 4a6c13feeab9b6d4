#include "cli/cli_window.h"

#include "handlers/frequency_zoom.h"
#include "names/window_names.h"
#include "plot/frequency_view.h"
#include "toolkit/WSdesktop.h"
#include "toolkit/WSexcerptPicker.h"
#include "toolkit/WSscriptedUser.h"
#include "toolkit/qt/headless.h"
#include "toolkit/qt/qt_window_picture.h"
#include "toolkit/toolkit.h"

CliWindow::CliWindow()
    : user_(std::make_unique<WSscriptedUser>()), focused_(names::kPositionSlider) {
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

void CliWindow::openAny(const std::string& path, std::optional<WSexcerptChoice> choice) {
    user_->queueAnswer(path);
    user_->queueExcerptChoice(choice);
    WSGIdesktop().open_any();
    user_->dropExcerptChoices();
}

void CliWindow::openExcerpt(const std::string& path, double from_s, int channel) {
    WSGIdesktop().open_excerpt(path, from_s, channel);
}

void CliWindow::pick(const std::string& path, std::function<bool(WSCexcerptPicker&)> driver) {
    user_->queueAnswer(path);
    user_->setExcerptDriver([this, &driver](WSCexcerptPicker& picker) {
        shown_picker_ = &picker;
        const bool confirmed = driver(picker);
        shown_picker_ = nullptr;
        return confirmed;
    });
    WSGIdesktop().open_any();
    user_->setExcerptDriver(nullptr);
}

void CliWindow::chooseMenuEntry(const std::string& label, bool on) {
    WSchooseDesktopAction(label, on);
}

void CliWindow::openReference(const std::string& path, long position,
                              const ExcerptRequest* excerpt) {
    user_->queueAnswer(path);
    user_->queueNumber(position);
    if (excerpt) user_->queueExcerptChoice(WSexcerptChoice{excerpt->from_s, excerpt->channel});
    WSchooseDesktopAction(names::kOpenReferenceEntry);
    // What the action did not ask (a disabled entry, a file refused before the position
    // question) must not answer a later question.
    user_->dropAnswers();
    user_->dropExcerptChoices();
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
void CliWindow::focus(const std::string& instance_name) {
    focused_ = instance_name;
    session_->focus(focused_.c_str());
}
void CliWindow::key(const std::string& key_name) {
    session_->key(focused_.c_str(), key_name.c_str());
}

void CliWindow::resize(int width, int height) {
    session_->resize(width, height);
}

void CliWindow::wheel(int x, int y, int steps) {
    session_->wheel(x, y, steps);
}

void CliWindow::axis(bool logarithmic) {
    chooseMenuEntry(names::kLogarithmicAxisEntry, logarithmic);
}

void CliWindow::showFrequencies(bool logarithmic,
                                std::optional<std::pair<double, double>> range_hz) {
    if (range_hz) {
        showFrequencyRange(logarithmic, range_hz->first, range_hz->second);
    } else {
        axis(logarithmic);
    }
}

ShownFrequencies CliWindow::shownFrequencies() const {
    const FrequencyRange range = shownRange(shownAxis(), shownGrid());
    return {range.low_hz, range.high_hz, shownAxis().logarithmic};
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

std::string CliWindow::windowPicture(const std::string& format, double scale,
                                     wsqt::PointerAndFocus pointer_and_focus) {
    const QImage picture = shown_picker_
                               ? wsqt::HeadlessSession::excerptPickerPicture(*shown_picker_)
                               : session_->grabWindow(scale, pointer_and_focus);
    return wsqt::encodedPicture(picture, format.c_str()).toStdString();
}

#include "toolkit/qt/headless.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QSlider>
#include <cstdio>
#include <string_view>

#include "toolkit/WSCbase.h"
#include "toolkit/WSCobjectList.h"
#include "toolkit/WSapplication.h"
#include "toolkit/WSbackend.h"
#include "toolkit/WSevents.h"
#include "toolkit/WSwidgets.h"
#include "toolkit/qt/headless_state.h"
#include "toolkit/qt/qt_excerpt_picker.h"
#include "toolkit/qt/qt_peer.h"
#include "toolkit/qt/qt_program_font.h"

namespace wsqt {

namespace {

// QApplication keeps a reference to argc, so both live as long as the process.
int fake_argc = 1;
char fake_name[] = "sefaro";
char* fake_argv[] = {fake_name, nullptr};

}  // namespace

HeadlessSession::HeadlessSession() : state_(std::make_unique<State>()) {
    if (!QApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        owned_application_ = std::make_unique<QApplication>(fake_argc, fake_argv);
    }
    useProgramFont();
    WSinstallBackend(&state_->backend);
    WSDappDev::runInitHandlers();
    settle();
}

HeadlessSession::~HeadlessSession() {
    // The widgets outlive the session: the pointer leaves them with it, so that the next
    // session does not find an area still under a pointer that has gone.
    leave();
    WSinstallBackend(nullptr);
}

void HeadlessSession::settle() {
    QApplication::processEvents();
}

WSCbase* HeadlessSession::find(const char* instance_name) {
    return WSGIappObjectList()->findInstance(instance_name);
}

QWidget* HeadlessSession::qtWidget(const char* instance_name) {
    return widgetOf(find(instance_name));
}

WSCmainWindow* mainWindow() {
    for (WSCbase* object : WSGIappObjectList()->all()) {
        if (auto* window = dynamic_cast<WSCmainWindow*>(object)) return window;
    }
    return nullptr;
}

QWidget* mainWindowWidget() {
    return widgetOf(mainWindow());
}

void HeadlessSession::click(const char* instance_name) {
    if (auto* button = qobject_cast<QAbstractButton*>(qtWidget(instance_name))) button->click();
    settle();
}

bool HeadlessSession::choose(const char* instance_name, const char* item) {
    auto* combo = qobject_cast<QComboBox*>(qtWidget(instance_name));
    const int index = combo ? combo->findText(QString::fromUtf8(item)) : -1;
    if (index < 0) return false;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    settle();
    return true;
}

void HeadlessSession::slide(const char* instance_name, int value) {
    auto* slider = qobject_cast<QSlider*>(qtWidget(instance_name));
    if (!slider || !slider->isEnabled()) return;
    slider->setSliderDown(true);
    slider->setSliderPosition(value);
    settle();
}

void HeadlessSession::release(const char* instance_name) {
    auto* slider = qobject_cast<QSlider*>(qtWidget(instance_name));
    if (!slider || !slider->isSliderDown()) return;
    slider->setSliderDown(false);
    settle();
}

void HeadlessSession::focus(const char* instance_name) {
    QWidget* widget = qtWidget(instance_name);
    if (!widget) return;
    widget->setFocus(Qt::TabFocusReason);
    settle();
}

void HeadlessSession::key(const char* instance_name, int qt_key, Qt::KeyboardModifiers modifiers) {
    QWidget* widget = qtWidget(instance_name);
    if (!widget) return;
    if (!widget->hasFocus()) widget->setFocus();
    QKeyEvent press(QEvent::KeyPress, qt_key, modifiers);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, qt_key, modifiers);
    QApplication::sendEvent(widget, &release);
    settle();
}

void HeadlessSession::key(const char* instance_name, const char* key_name) {
    if (key_name == std::string_view("Plus")) return key(instance_name, Qt::Key_Plus);
    if (key_name == std::string_view("Minus")) return key(instance_name, Qt::Key_Minus);
    // Qt spells the page keys PgUp and PgDown, and Escape Esc.
    QString name = QString::fromUtf8(key_name);
    name.replace(QLatin1String("Page"), QLatin1String("Pg"));
    name.replace(QLatin1String("Escape"), QLatin1String("Esc"));
    const QKeySequence sequence = QKeySequence::fromString(name);
    if (sequence.isEmpty()) return;
    key(instance_name, sequence[0].key(), sequence[0].keyboardModifiers());
}

void HeadlessSession::resize(int width, int height) {
    if (QWidget* window = mainWindowWidget()) window->resize(width, height);
    settle();
    if (state_->hovered) point(state_->pointer.x(), state_->pointer.y());
}

void HeadlessSession::showAtPixelRatio(double ratio) {
    WSCmainWindow* window = mainWindow();
    if (window && window->setPixelRatio(ratio)) window->execProcedure(WSEV_RESIZE);
    settle();
}

QImage HeadlessSession::grabWindow(double ratio, PointerAndFocus pointer_and_focus) {
    settle();
    return windowPicture(mainWindowWidget(), ratio, pointer_and_focus);
}

void HeadlessSession::startOnScreensScaledBy(double ratio) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(ratio, 'g', 17));
    // Each of these would scale the screens again, or not at all.
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_ENABLE_HIGHDPI_SCALING");
}

}  // namespace wsqt

namespace wsqt {

std::string HeadlessSession::windowPng() {
    return encodedPicture(grabWindow()).toStdString();
}

QImage HeadlessSession::excerptPickerPicture(WSCexcerptPicker& picker) {
    ExcerptPickerDialog dialog(picker, nullptr);
    dialog.adjustSize();
    return dialog.grab().toImage();
}

void HeadlessSession::quietQtMessages() {
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "Qt: %s\n", qPrintable(message));
    });
}

}  // namespace wsqt

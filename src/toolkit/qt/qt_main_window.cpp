#include "toolkit/qt/qt_main_window.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>
#include <string>

#include "toolkit/WSNames.h"
#include "toolkit/WSevents.h"
#include "toolkit/WSwidgets.h"
#include "toolkit/qt/qt_peer.h"

namespace wsqt {

namespace {

class WindowWidget : public QWidget {
  public:
    explicit WindowWidget(WSCmainWindow& owner)
        : owner_(owner), screen_ratio_(devicePixelRatioF()) {
        owner_.setPixelRatio(screen_ratio_);
    }

    // The program sets the window's size. The first one is the least the window takes, and
    // the one its widgets are laid out for as they are built.
    void takeSize(QSize size) {
        if (minimumSize().isNull()) {
            setMinimumSize(size);
            laid_out_ = size;
        }
        resize(size);
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        follow();
    }

    // A key the focused widget left (the + of a zoom while the slider has the focus, say).
    void keyPressEvent(QKeyEvent* event) override { owner_.raiseKeyEvent(keyName(*event)); }

    void showEvent(QShowEvent* event) override {
        QWidget::showEvent(event);
        follow();
    }

    bool event(QEvent* event) override {
        const bool handled = QWidget::event(event);
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        if (event->type() == QEvent::DevicePixelRatioChange) follow();
#endif
        if (event->type() == QEvent::ScreenChangeInternal) follow();
        return handled;
    }

  private:
    // Tells the program of a size or screen ratio it has not heard of yet. The ratio is
    // compared with the screen's last one, not with the window's: a picture drawn at another
    // ratio sets the window's for a moment, and it stays until the screen's changes.
    void follow() {
        bool changed = false;
        if (size() != laid_out_) {
            laid_out_ = size();
            owner_.storeUserValue(_WSNwidth(), std::to_string(width()).c_str());
            owner_.storeUserValue(_WSNheight(), std::to_string(height()).c_str());
            changed = true;
        }
        if (devicePixelRatioF() != screen_ratio_) {
            screen_ratio_ = devicePixelRatioF();
            changed = owner_.setPixelRatio(screen_ratio_) || changed;
        }
        if (changed) owner_.execProcedure(WSEV_RESIZE);
    }

    WSCmainWindow& owner_;
    QSize laid_out_;
    double screen_ratio_;
};

class MainWindowPeer : public Peer {
  public:
    MainWindowPeer(WSCbase& owner, WindowWidget* window) : Peer(owner, window), window_(window) {}

    void propertyChanged(std::string_view name) override {
        if (!widget()) return;
        if (name == _WSNtitleString()) {
            window_->setWindowTitle(
                QString::fromUtf8(owner().getProperty(_WSNtitleString()).text()));
        } else if (name == _WSNwidth() || name == _WSNheight()) {
            const unsigned short w = owner().getProperty(_WSNwidth());
            const unsigned short h = owner().getProperty(_WSNheight());
            if (w > 0 && h > 0) window_->takeSize(QSize(w, h));
        } else if (name == _WSNx() || name == _WSNy()) {
            window_->move(intProperty(owner(), _WSNx()).value_or(0),
                          intProperty(owner(), _WSNy()).value_or(0));
        }
    }

  private:
    WindowWidget* window_;
};

}  // namespace

Peer* makeMainWindowPeer(WSCbase& owner) {
    auto* window = dynamic_cast<WSCmainWindow*>(&owner);
    if (!window) return nullptr;
    return new MainWindowPeer(owner, new WindowWidget(*window));
}

}  // namespace wsqt

#include "toolkit/qt/qt_slider.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QWheelEvent>
#include <algorithm>
#include <functional>
#include <string>

#include "toolkit/WSCbase.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSevents.h"

namespace wsqt {

namespace {

class GestureSlider : public QSlider {
  public:
    GestureSlider(QWidget* parent, std::function<void()> gesture_ended)
        : QSlider(Qt::Horizontal, parent), gesture_ended_(std::move(gesture_ended)) {
        setFocusPolicy(Qt::StrongFocus);
        // A drag ends in the release of the handle, whether by mouse or by the program.
        connect(this, &QSlider::sliderReleased, this, [this] { gesture_ended_(); });
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        const bool dragging = isSliderDown();
        QSlider::mouseReleaseEvent(event);
        if (!dragging) gesture_ended_();  // a click on the groove
    }
    void keyPressEvent(QKeyEvent* event) override {
        QSlider::keyPressEvent(event);  // ignores the keys it does not handle
        if (event->isAccepted()) gesture_ended_();
    }
    void wheelEvent(QWheelEvent* event) override {
        QSlider::wheelEvent(event);
        if (event->isAccepted()) gesture_ended_();
    }

  private:
    std::function<void()> gesture_ended_;
};

class SliderPeer : public Peer {
  public:
    SliderPeer(WSCbase& owner, QSlider* slider) : Peer(owner, slider), slider_(slider) {
        QObject::connect(slider, &QSlider::valueChanged, slider, [this](int value) {
            if (applying_) return;
            this->owner().storeUserValue(_WSNvalue(), std::to_string(value).c_str());
            this->owner().execProcedure(WSEV_VALUE_CHANGE);
        });
        applyRange();
    }

    void propertyChanged(std::string_view name) override {
        Peer::propertyChanged(name);
        if (name == _WSNvalue() || name == _WSNminimum() || name == _WSNmaximum() ||
            name == _WSNdragInterval()) {
            applyRange();
        }
    }

  private:
    // A range whose maximum is below its minimum shows a disabled slider at 0; the table
    // keeps what the program set.
    void applyRange() {
        applying_ = true;
        const int minimum = intProperty(owner(), _WSNminimum()).value_or(0);
        const int maximum = intProperty(owner(), _WSNmaximum()).value_or(minimum);
        const int value = intProperty(owner(), _WSNvalue()).value_or(minimum);
        const int drag = intProperty(owner(), _WSNdragInterval()).value_or(0);
        if (maximum < minimum) {
            slider_->setRange(0, 0);
            slider_->setEnabled(false);
        } else {
            slider_->setRange(minimum, maximum);
            slider_->setEnabled(true);
            slider_->setValue(std::clamp(value, minimum, maximum));
        }
        slider_->setSingleStep(1);
        slider_->setPageStep(drag > 0 ? drag : 1);
        applying_ = false;
    }

    QSlider* slider_;
    bool applying_ = false;
};

}  // namespace

Peer* makeSliderPeer(WSCbase& owner, QWidget* parent) {
    auto* slider = new GestureSlider(parent, [&owner] { owner.execProcedure(WSEV_ACTIVATE); });
    return new SliderPeer(owner, slider);
}

}  // namespace wsqt

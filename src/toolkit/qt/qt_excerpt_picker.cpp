#include "toolkit/qt/qt_excerpt_picker.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "toolkit/WSexcerptPicker.h"
#include "toolkit/qt/qt_backend.h"

namespace wsqt {

namespace {

constexpr int kEnvelopeHeight = 160;
const QColor kBandColor(0, 0, 255, 60);

// The picker's name of a key; empty for a key it does not take.
const char* keyName(int key) {
    switch (key) {
        case Qt::Key_Left:
            return "Left";
        case Qt::Key_Right:
            return "Right";
        case Qt::Key_PageUp:
            return "PageUp";
        case Qt::Key_PageDown:
            return "PageDown";
        case Qt::Key_Home:
            return "Home";
        case Qt::Key_End:
            return "End";
        default:
            return "";
    }
}

// The whole recording, min to max per column, with the band over the excerpt.
class EnvelopeView : public QWidget {
  public:
    EnvelopeView(WSCexcerptPicker& picker, std::function<void()> changed)
        : picker_(picker), changed_(std::move(changed)) {
        setFixedSize(static_cast<int>(std::max<std::size_t>(picker.minimum().size(), 1)),
                     kEnvelopeHeight);
        setFocusPolicy(Qt::StrongFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const double middle = height() / 2.0;
        painter.setPen(Qt::black);
        for (std::size_t x = 0; x < picker_.minimum().size(); ++x) {
            const auto y = [&](float value) {
                return static_cast<int>(
                    std::lround(middle - std::clamp(value, -1.0f, 1.0f) * middle));
            };
            painter.drawLine(int(x), y(picker_.maximum()[x]), int(x), y(picker_.minimum()[x]));
        }
        const double duration = picker_.durationSeconds();
        if (duration <= 0) return;
        const double left = picker_.fromSeconds() / duration * width();
        const double band = std::min(picker_.bandSeconds(), duration) / duration * width();
        painter.fillRect(QRectF(left, 0, std::max(band, 1.0), height()), kBandColor);
    }
    void mousePressEvent(QMouseEvent* event) override { follow(event); }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (event->buttons() & Qt::LeftButton) follow(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (!picker_.key(keyName(event->key()))) return QWidget::keyPressEvent(event);
        changed_();
    }

  private:
    void follow(QMouseEvent* event) {
        picker_.moveTo(event->position().x() / width() * picker_.durationSeconds());
        changed_();
    }

    WSCexcerptPicker& picker_;
    std::function<void()> changed_;
};

}  // namespace

ExcerptPickerDialog::ExcerptPickerDialog(WSCexcerptPicker& picker, QWidget* parent)
    : QDialog(parent), picker_(picker) {
    setWindowTitle(QStringLiteral("Open any sound"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromStdString(picker.facts()), this));
    envelope_ = new EnvelopeView(picker, [this] { showChoice(); });
    layout->addWidget(envelope_);
    start_ = new QLabel(this);
    layout->addWidget(start_);
    channel_ = new QComboBox(this);
    channel_->addItem(QStringLiteral("mean of all channels"));
    for (int c = 1; c <= picker.channels(); ++c)
        channel_->addItem(QStringLiteral("channel %1").arg(c));
    connect(channel_, &QComboBox::activated, this, [this](int index) {
        picker_.chooseChannel(index);
        showChoice();
    });
    layout->addWidget(channel_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    envelope_->setFocus();
    showChoice();
}

void ExcerptPickerDialog::showChoice() {
    start_->setText(QStringLiteral("excerpt of %1 s from %2 s of %3 s")
                        .arg(std::min(picker_.bandSeconds(), picker_.durationSeconds()), 0, 'f', 3)
                        .arg(picker_.fromSeconds(), 0, 'f', 3)
                        .arg(picker_.durationSeconds(), 0, 'f', 3));
    channel_->setCurrentIndex(picker_.channel());
    envelope_->update();
}

bool QtBackend::runExcerptPicker(WSCexcerptPicker& picker) {
    ExcerptPickerDialog dialog(picker, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace wsqt

#include "toolkit/qt/qt_drawing_area.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

#include "toolkit/WSDdev.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSaxisLabels.h"
#include "toolkit/WSband.h"
#include "toolkit/WSevents.h"
#include "toolkit/WSwidgets.h"
#include "toolkit/qt/qt_image.h"

namespace wsqt {

namespace {

// The band's columns of the picture (device columns, as deviceBand gives them) tinted. The
// first change detaches the picture from the device, which stays as it is.
void tintBand(QImage& picture, const WSband& band, uint32_t colour) {
    const int first = std::max(band.first_column, 0);
    const int last = std::min(band.last_column, picture.width() - 1);
    for (int y = 0; first <= last && y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = first; x <= last; ++x) row[x] = bandPixel(row[x], colour);
    }
}

constexpr int kFocusFrameWidth = 2;
// Clear of the axis below them and of the frame's sides, and apart from each other.
constexpr int kLabelGap = 2;
constexpr int kLeastLabelSpacing = 6;

// The axis labels over the picture, each centred on its column where it fits between the
// frame's sides; one that would touch the label before it is left out.
void paintAxisLabels(QPainter& painter, const WSaxisLabels& axis) {
    const QFontMetrics metrics = painter.fontMetrics();
    const int baseline = axis.axis_y - kLabelGap - metrics.descent();
    int free_from = axis.left + kLabelGap;
    for (const WSaxisLabel& label : axis.labels) {
        const QString text = QString::fromStdString(label.text);
        const int width = metrics.horizontalAdvance(text);
        const int x =
            std::min(std::max(label.x - width / 2, free_from), axis.right - kLabelGap - width);
        if (x < free_from) continue;
        painter.drawText(x, baseline, text);
        free_from = x + width + kLeastLabelSpacing;
    }
}

class AreaWidget : public QWidget {
  public:
    AreaWidget(QWidget* parent, WSCvdrawingArea& owner) : QWidget(parent), owner_(owner) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);  // moves without a button held reach the readout too
    }

    // The program's own expose just put a new picture into the window device: the paint it
    // asks for shows that picture without raising expose, and so copying it, once more.
    void showNewPicture() {
        if (painting_) return;
        picture_is_new_ = true;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!picture_is_new_) {
            painting_ = true;
            owner_.execProcedure(WSEV_EXPOSE);
            painting_ = false;
        }
        picture_is_new_ = false;
        QPainter painter(this);
        const WSDdev& device = *owner_.getdev();
        QImage picture = imageOf(device);
        const std::pair<const char*, uint32_t> bands[] = {
            {_WSNoverlaySecondBand(), kSecondBandColour}, {_WSNoverlayBand(), kBandColour}};
        for (const auto& [property, colour] : bands) {
            if (const auto band = parseBand(owner_.getProperty(property).text()))
                tintBand(picture, deviceBand(*band, device.pixelRatio()), colour);
        }
        // Drawn at the area's logical size: above a ratio of 1, pixel for pixel on the screen.
        picture.setDevicePixelRatio(device.pixelRatio());
        painter.drawImage(0, 0, picture);
        if (const auto labels = parseAxisLabels(owner_.getProperty(_WSNoverlayLabels()).text())) {
            painter.setPen(Qt::black);
            paintAxisLabels(painter, *labels);
        }
        if (hasFocus()) {
            // The focus frame, inside the area's edge; the picture under it is unchanged.
            painter.setPen(QPen(palette().color(QPalette::Highlight), kFocusFrameWidth));
            painter.drawRect(rect().adjusted(1, 1, -1, -1));
        }
    }

    void keyPressEvent(QKeyEvent* event) override { owner_.raiseKeyEvent(keyName(*event)); }

    void focusInEvent(QFocusEvent*) override {
        update();
        owner_.execProcedure(WSEV_FOCUS_IN);
    }

    void focusOutEvent(QFocusEvent*) override {
        update();
        owner_.execProcedure(WSEV_FOCUS_OUT);
    }

    // The pointer's logical place with its fraction, as a screen of any pixel ratio gives
    // it: the program finds the column under it as the plots lay their columns out.
    void mouseMoveEvent(QMouseEvent* event) override {
        raise(WSEV_POINTER_MOVE, event->position());
    }

    // The middle button, or Shift with the left one, pans an area that pans; the left one
    // otherwise presses.
    void mousePressEvent(QMouseEvent* event) override {
        if (pans(*event)) {
            panning_button_ = event->button();
            raise(WSEV_PAN_PRESS, event->position());
        } else if (event->button() == Qt::LeftButton) {
            raise(WSEV_POINTER_PRESS, event->position());
        }
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == panning_button_) {
            panning_button_ = Qt::NoButton;
            raise(WSEV_PAN_RELEASE, event->position());
        } else if (event->button() == Qt::LeftButton) {
            raise(WSEV_POINTER_RELEASE, event->position());
        }
    }

    // The second click presses as the first did, then tells it was a double click.
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        mousePressEvent(event);
        if (event->button() == Qt::LeftButton && !pans(*event))
            raise(WSEV_DOUBLE_CLICK, event->position());
    }

    void wheelEvent(QWheelEvent* event) override {
        const double steps = event->angleDelta().y() / double(QWheelEvent::DefaultDeltasPerStep);
        if (steps == 0) return event->ignore();
        owner_.raiseWheelEvent(event->position().x(), event->position().y(), steps);
    }

    void leaveEvent(QEvent*) override {
        owner_.raisePointerEvent(WSEV_POINTER_LEAVE, owner_.pointer().x, owner_.pointer().y);
    }

  private:
    bool pans(const QMouseEvent& event) const {
        return (event.button() == Qt::MiddleButton ||
                (event.button() == Qt::LeftButton && event.modifiers() & Qt::ShiftModifier)) &&
               owner_.handles(WSEV_PAN_PRESS);
    }

    void raise(long event, QPointF position) {
        owner_.raisePointerEvent(event, position.x(), position.y());
    }

    WSCvdrawingArea& owner_;
    bool painting_ = false;
    bool picture_is_new_ = false;
    Qt::MouseButton panning_button_ = Qt::NoButton;
};

class DrawingAreaPeer : public Peer {
  public:
    DrawingAreaPeer(WSCbase& owner, AreaWidget* area) : Peer(owner, area), area_(area) {}

    void pictureChanged() override { area_->showNewPicture(); }

    void propertyChanged(std::string_view name) override {
        Peer::propertyChanged(name);
        // The window device still holds the picture; only what is over it changed.
        if (name == _WSNoverlayBand() || name == _WSNoverlaySecondBand() ||
            name == _WSNoverlayLabels())
            area_->showNewPicture();
    }

  private:
    AreaWidget* area_;
};

}  // namespace

Peer* makeDrawingAreaPeer(WSCbase& owner, QWidget* parent) {
    auto* area = dynamic_cast<WSCvdrawingArea*>(&owner);
    if (!area) return nullptr;
    return new DrawingAreaPeer(owner, new AreaWidget(parent, *area));
}

}  // namespace wsqt

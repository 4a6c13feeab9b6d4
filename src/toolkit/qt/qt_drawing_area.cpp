#include "toolkit/qt/qt_drawing_area.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "toolkit/WSDdev.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSband.h"
#include "toolkit/WSevents.h"
#include "toolkit/WSwidgets.h"
#include "toolkit/qt/qt_image.h"

namespace wsqt {

namespace {

// The band's columns of the picture (device columns, as deviceBand gives them) tinted. The
// first change detaches the picture from the device, which stays as it is.
void tintBand(QImage& picture, const WSband& band) {
    const int first = std::max(band.first_column, 0);
    const int last = std::min(band.last_column, picture.width() - 1);
    for (int y = 0; first <= last && y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = first; x <= last; ++x) row[x] = bandPixel(row[x]);
    }
}

// A key as the program names it: "Left", "Shift+Right", "Escape" …
std::string keyName(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Escape) return "Escape";
    return QKeySequence(event.keyCombination()).toString(QKeySequence::PortableText).toStdString();
}

constexpr int kFocusFrameWidth = 2;

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
        if (const auto band = parseBand(owner_.getProperty(_WSNoverlayBand()).text()))
            tintBand(picture, deviceBand(*band, device.pixelRatio()));
        // Drawn at the area's logical size: above a ratio of 1, pixel for pixel on the screen.
        picture.setDevicePixelRatio(device.pixelRatio());
        painter.drawImage(0, 0, picture);
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

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) raise(WSEV_POINTER_PRESS, event->position());
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) raise(WSEV_POINTER_RELEASE, event->position());
    }

    void leaveEvent(QEvent*) override {
        owner_.raisePointerEvent(WSEV_POINTER_LEAVE, owner_.pointer().x, owner_.pointer().y);
    }

  private:
    void raise(long event, QPointF position) {
        owner_.raisePointerEvent(event, position.x(), position.y());
    }

    WSCvdrawingArea& owner_;
    bool painting_ = false;
    bool picture_is_new_ = false;
};

class DrawingAreaPeer : public Peer {
  public:
    DrawingAreaPeer(WSCbase& owner, AreaWidget* area) : Peer(owner, area), area_(area) {}

    void pictureChanged() override { area_->showNewPicture(); }

    void propertyChanged(std::string_view name) override {
        Peer::propertyChanged(name);
        // The window device still holds the picture; only the band over it moved.
        if (name == _WSNoverlayBand()) area_->showNewPicture();
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

#include "toolkit/qt/qt_drawing_area.h"

#include <QPainter>

#include "toolkit/WSCbase.h"
#include "toolkit/WSDdev.h"
#include "toolkit/WSevents.h"
#include "toolkit/qt/qt_image.h"

namespace wsqt {

namespace {

class AreaWidget : public QWidget {
public:
    AreaWidget(QWidget* parent, WSCbase& owner) : QWidget(parent), owner_(owner)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    bool painting() const { return painting_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        painting_ = true;
        owner_.execProcedure(WSEV_EXPOSE);
        painting_ = false;
        QPainter painter(this);
        painter.drawImage(0, 0, imageOf(*owner_.getdev()));
    }

private:
    WSCbase& owner_;
    bool painting_ = false;
};

class DrawingAreaPeer : public Peer {
public:
    DrawingAreaPeer(WSCbase& owner, AreaWidget* area) : Peer(owner, area), area_(area) {}

    void pictureChanged() override
    {
        if (!area_->painting()) area_->update();
    }

private:
    AreaWidget* area_;
};

}  // namespace

Peer* makeDrawingAreaPeer(WSCbase& owner, QWidget* parent)
{
    return new DrawingAreaPeer(owner, new AreaWidget(parent, owner));
}

}  // namespace wsqt

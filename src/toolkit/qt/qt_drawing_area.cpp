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

    // The program's own expose just put a new picture into the window device: the paint it
    // asks for shows that picture without raising expose, and so copying it, once more.
    void showNewPicture()
    {
        if (painting_) return;
        picture_is_new_ = true;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!picture_is_new_) {
            painting_ = true;
            owner_.execProcedure(WSEV_EXPOSE);
            painting_ = false;
        }
        picture_is_new_ = false;
        QPainter painter(this);
        painter.drawImage(0, 0, imageOf(*owner_.getdev()));
    }

private:
    WSCbase& owner_;
    bool painting_ = false;
    bool picture_is_new_ = false;
};

class DrawingAreaPeer : public Peer {
public:
    DrawingAreaPeer(WSCbase& owner, AreaWidget* area) : Peer(owner, area), area_(area) {}

    void pictureChanged() override { area_->showNewPicture(); }

private:
    AreaWidget* area_;
};

}  // namespace

Peer* makeDrawingAreaPeer(WSCbase& owner, QWidget* parent)
{
    return new DrawingAreaPeer(owner, new AreaWidget(parent, owner));
}

}  // namespace wsqt

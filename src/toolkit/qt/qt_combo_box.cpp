#include "toolkit/qt/qt_combo_box.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "toolkit/WSCbase.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSevents.h"

namespace wsqt {

namespace {

constexpr int kLeftColumnWidth = 105;

class ComboBoxPeer : public Peer {
  public:
    ComboBoxPeer(WSCbase& owner, QComboBox* combo) : Peer(owner, combo), combo_(combo) {
        combo->setEditable(false);
        // Reached by Tab, never by a click, so a click leaves the keys with the slider.
        combo->setFocusPolicy(Qt::TabFocus);
        QObject::connect(combo, &QComboBox::activated, combo, [this](int index) {
            this->owner().storeUserValue(_WSNlabelString(),
                                         combo_->itemText(index).toUtf8().constData());
            this->owner().execProcedure(WSEV_ACTIVATE);
        });
    }

    void propertyChanged(std::string_view name) override {
        if (name == _WSNmenuItems()) {
            const QSignalBlocker quiet(combo_);
            combo_->clear();
            const QString items = QString::fromUtf8(owner().getProperty(_WSNmenuItems()).text());
            combo_->addItems(items.split(QLatin1Char(','), Qt::SkipEmptyParts));
            showChoice();
            applyGeometry();
        } else if (name == _WSNlabelString()) {
            showChoice();
        }
        Peer::propertyChanged(name);
    }

  protected:
    QSize defaultSize() const override {
        const QSize hint = combo_->sizeHint();
        return {std::min(hint.width(), kLeftColumnWidth), hint.height()};
    }

  private:
    void showChoice() {
        const QSignalBlocker quiet(combo_);
        const int index =
            combo_->findText(QString::fromUtf8(owner().getProperty(_WSNlabelString()).text()));
        combo_->setCurrentIndex(index);
    }

    QComboBox* combo_;
};

}  // namespace

Peer* makeComboBoxPeer(WSCbase& owner, QWidget* parent) {
    return new ComboBoxPeer(owner, new QComboBox(parent));
}

}  // namespace wsqt

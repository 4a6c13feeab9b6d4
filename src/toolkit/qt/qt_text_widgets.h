#pragma once

#include "toolkit/qt/qt_peer.h"

namespace wsqt {

// A button or label: shows _WSNlabelString. Without a set size it is as wide as its text
// within the left column; text that does not fit is elided, with the whole text as tooltip.
class TextPeer : public Peer {
  public:
    TextPeer(WSCbase& owner, QWidget* widget);
    void propertyChanged(std::string_view name) override;

  protected:
    QSize defaultSize() const override;

  private:
    void showText();
};

TextPeer* makeButtonPeer(WSCbase& owner, QWidget* parent);
TextPeer* makeLabelPeer(WSCbase& owner, QWidget* parent);

}  // namespace wsqt

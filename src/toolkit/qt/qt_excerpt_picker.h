#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class WSCexcerptPicker;

namespace wsqt {

// The excerpt picker on screen: the facts, the envelope with the band (click or drag to
// move it; Left/Right, PageUp/PageDown, Home/End with the keyboard), the start in seconds,
// the channel choice, OK and Cancel. Every change goes through the picker's own state, so
// the band obeys the same limits as when a script moves it.
class ExcerptPickerDialog : public QDialog {
  public:
    ExcerptPickerDialog(WSCexcerptPicker& picker, QWidget* parent);

    // The start and channel as the dialog shows them, after a change made elsewhere.
    void showChoice();

  private:
    WSCexcerptPicker& picker_;
    QWidget* envelope_;
    QLabel* start_;
    QComboBox* channel_;
};

}  // namespace wsqt

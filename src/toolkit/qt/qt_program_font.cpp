#include "toolkit/qt/qt_program_font.h"

#include <QApplication>
#include <QFont>

namespace wsqt {

void useProgramFont() {
    // Named rather than "Sans Serif", which fontconfig resolves to whatever the machine has
    // (fonts-dejavu-core installs it); sized in pixels, as the window places its widgets,
    // so that no screen or QT_FONT_DPI setting changes it; hinted as Debian's fontconfig
    // does by default, not as a user's configuration says.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    QApplication::setFont(font);
}

}  // namespace wsqt

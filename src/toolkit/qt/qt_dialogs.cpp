#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "toolkit/WSNames.h"
#include "toolkit/WSdialogs.h"
#include "toolkit/qt/qt_backend.h"
#include "toolkit/qt/qt_peer.h"

// The two modal dialogs of QtBackend, each placed at its _WSNx/_WSNy.
namespace wsqt {

namespace {

QPoint placeOf(const WSCbase& dialog)
{
    return {intProperty(dialog, _WSNx()).value_or(0), intProperty(dialog, _WSNy()).value_or(0)};
}

}  // namespace

std::optional<std::string> QtBackend::runFileDialog(WSCfileSelect& dialog)
{
    QFileDialog chooser(QApplication::activeWindow(), QStringLiteral("select WAVE"));
    // Qt's own dialog, so that it can be placed and driven the same way everywhere.
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setNameFilters({QStringLiteral("WAVE files (*.wav *.WAV)"), QStringLiteral("All files (*)")});
    const QString start = QString::fromStdString(dialog.lastDirectory());
    chooser.setDirectory(start.isEmpty() ? QDir::currentPath() : start);
    chooser.move(placeOf(dialog));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return std::nullopt;
    return chooser.selectedFiles().constFirst().toStdString();
}

void QtBackend::runMessageDialog(WSCmessageDialog& dialog)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Sefaro"));
    box.setText(QString::fromUtf8(dialog.getProperty(_WSNlabelString()).text()));
    box.setStandardButtons(QMessageBox::Ok);
    box.move(placeOf(dialog));
    box.exec();
}

}  // namespace wsqt

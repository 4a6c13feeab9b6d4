#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "toolkit/WSNames.h"
#include "toolkit/WSdialogs.h"
#include "toolkit/qt/qt_backend.h"
#include "toolkit/qt/qt_peer.h"

// The modal dialogs of QtBackend: the file and message dialogs, each placed at its
// _WSNx/_WSNy, the save dialog and the question for a whole number.
namespace wsqt {

namespace {

QPoint placeOf(const WSCbase& dialog) {
    return {intProperty(dialog, _WSNx()).value_or(0), intProperty(dialog, _WSNy()).value_or(0)};
}

}  // namespace

QString startFolder(const std::string& kept_folder) {
    if (kept_folder.empty()) return QDir::currentPath();
    const QString folder = QString::fromStdString(kept_folder);
    return QDir(folder).exists() ? folder : QDir::homePath();
}

std::optional<std::string> QtBackend::runFileDialog(WSCfileSelect& dialog) {
    const QString title = dialog.title().empty() ? QStringLiteral("select WAVE")
                                                 : QString::fromStdString(dialog.title());
    QFileDialog chooser(QApplication::activeWindow(), title);
    // Qt's own dialog, so that it can be placed and driven the same way everywhere.
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setFileMode(QFileDialog::ExistingFile);
    QStringList filters;
    for (const std::string& filter : dialog.nameFilters())
        filters << QString::fromStdString(filter);
    if (filters.isEmpty()) filters << QStringLiteral("WAVE files (*.wav *.WAV)");
    chooser.setNameFilters(filters << QStringLiteral("All files (*)"));
    chooser.setDirectory(startFolder(dialog.lastDirectory()));
    chooser.move(placeOf(dialog));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return std::nullopt;
    return chooser.selectedFiles().constFirst().toStdString();
}

std::optional<std::string> QtBackend::runSaveDialog(const std::string& proposed_path,
                                                    const std::string& filter) {
    // The platform's own dialog: saving is where users expect their desktop's choices.
    const QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                                      QString::fromStdString(proposed_path),
                                                      QString::fromStdString(filter));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<long> QtBackend::runNumberDialog(const WSnumberQuestion& question) {
    bool confirmed = false;
    // A spin box: the answer cannot leave the range.
    const int number = QInputDialog::getInt(
        QApplication::activeWindow(), QString::fromStdString(question.title),
        QString::fromStdString(question.prompt), static_cast<int>(question.value),
        static_cast<int>(question.minimum), static_cast<int>(question.maximum), 1, &confirmed);
    if (!confirmed) return std::nullopt;
    return number;
}

void QtBackend::runMessageDialog(WSCmessageDialog& dialog) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Sefaro"));
    box.setText(QString::fromUtf8(dialog.getProperty(_WSNlabelString()).text()));
    box.setStandardButtons(QMessageBox::Ok);
    box.move(placeOf(dialog));
    box.exec();
}

}  // namespace wsqt

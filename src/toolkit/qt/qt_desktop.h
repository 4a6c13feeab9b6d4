#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/WSdesktop.h"

class QLabel;
class QMenu;
class QMessageBox;
class QShortcut;
class QWidget;

namespace wsqt {

// Names the application after the description (its window class, the desktop entry it
// belongs to) and gives its windows the icon. Before the main window is first shown, since
// some platforms read the window class only then.
void prepareApplication(const WSdesktop& description);

// What the description offers, on the built main window: shortcuts, the context menu of its
// widgets, drops of files, tooltips, the tab order, repeating buttons, the help window, the
// empty view's hint, the shown document's name in the title and the folders of the last file
// loaded and of the last save, kept in the user's configuration folder (QSettings) from one
// run to the next. Detaches when destroyed.
class Desktop : public QObject {
  public:
    explicit Desktop(const WSdesktop& description);
    ~Desktop() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void addShortcut(const std::string& keys, std::function<void()> action);
    void save(const WSdesktopExport& what);
    void showContextMenu(QWidget* area, const QPoint& place);
    void showHelp();
    bool dropFile(QEvent* event);
    bool showToolTip(QWidget* widget, QEvent* event);

    const WSdesktop& description_;
    QPointer<QWidget> window_;
    QPointer<QMenu> menu_;
    QPointer<QMessageBox> help_;
    QPointer<QLabel> hint_;
    QString title_;  // the window's own, given back when the desktop detaches
    std::vector<QPointer<QShortcut>> shortcuts_;
};

}  // namespace wsqt

#include "toolkit/qt/qt_desktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFileInfo>
#include <QHelpEvent>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QShortcut>
#include <QToolTip>
#include <QUrl>

#include "toolkit/WSCbase.h"
#include "toolkit/WSCobjectList.h"
#include "toolkit/WSdialogs.h"
#include "toolkit/WSevents.h"
#include "toolkit/qt/qt_exports.h"
#include "toolkit/qt/qt_peer.h"

namespace wsqt {

namespace {

// A held button repeats after this delay, then at this interval: each repeat is one click.
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 50;

const QString kLastFolderKey = QStringLiteral("lastFolder");
const QString kSaveFolderKey = QStringLiteral("saveFolder");

QWidget* qtWidgetNamed(const std::string& name) {
    return widgetOf(WSGIappObjectList()->findInstance(name));
}

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

QSettings settingsOf(const WSdesktop& description) {
    return QSettings(qt(description.application_name), qt(description.application_name));
}

// The local file a drop carries first, or nothing.
std::optional<QString> droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().isEmpty()) return std::nullopt;
    const QUrl& first = data->urls().constFirst();
    if (!first.isLocalFile()) return std::nullopt;
    return first.toLocalFile();
}

// One line on the clipboard; nothing for an empty one.
void copyText(const std::string& text) {
    if (!text.empty()) QGuiApplication::clipboard()->setText(qt(text));
}

}  // namespace

void prepareApplication(const WSdesktop& description) {
    if (!description.application_name.empty())
        QGuiApplication::setApplicationName(qt(description.application_name));
    if (!description.desktop_id.empty())
        QGuiApplication::setDesktopFileName(qt(description.desktop_id));
    if (!description.icon.empty()) QApplication::setWindowIcon(QIcon(qt(description.icon)));
}

Desktop::Desktop(const WSdesktop& description)
    : description_(description), window_(qtWidgetNamed(description.main_window)) {
    if (!window_) return;

    WSCfileSelect* file_dialog = WSGIappFileSelect();
    const QString kept = settingsOf(description_).value(kLastFolderKey).toString();
    if (!kept.isEmpty()) file_dialog->setLastDirectory(kept.toStdString());
    file_dialog->setFolderListener([this](const std::string& folder) {
        QSettings settings = settingsOf(description_);
        settings.setValue(kLastFolderKey, qt(folder));
        settings.sync();
    });

    window_->setAcceptDrops(true);
    window_->installEventFilter(this);

    // Over the view, not in its picture: what the view draws stays as it is.
    if (QWidget* empty_view = qtWidgetNamed(description_.empty_hint_widget);
        empty_view && !description_.empty_hint.empty()) {
        hint_ = new QLabel(qt(description_.empty_hint), empty_view);
        hint_->setAlignment(Qt::AlignCenter);
        hint_->setAttribute(Qt::WA_TransparentForMouseEvents);
        hint_->setGeometry(empty_view->rect());
        hint_->show();
        empty_view->installEventFilter(this);  // the hint follows the view's size
    }
    // Only the window manager's title: the main window's title property stays as it is.
    title_ = window_->windowTitle();
    WSsetDocumentListener([this](const std::string& name) {
        window_->setWindowTitle(qt(name) + QStringLiteral(" — ") +
                                qt(description_.application_name));
        delete hint_.data();
    });

    addShortcut(description_.open_shortcut, [this] {
        if (WSCbase* open = WSGIappObjectList()->findInstance(description_.open_widget))
            open->execProcedure(WSEV_ACTIVATE);
    });
    if (description_.open_any)
        addShortcut(description_.open_any_shortcut, [this] { description_.open_any(); });
    for (const std::string& keys : description_.close_shortcuts)
        addShortcut(keys, [this] { window_->close(); });
    addShortcut(description_.help_shortcut, [this] { showHelp(); });
    for (const WSdesktopCopy& copy : description_.copies)
        addShortcut(copy.shortcut, [&copy] { copyText(copy.text()); });
    for (const auto* entries : {&description_.actions, &description_.view_entries}) {
        for (const WSdesktopAction& action : *entries) {
            addShortcut(action.shortcut, [&action] {
                if (action.isEnabled()) action.run();
            });
        }
    }
    for (const WSdesktopExport& what : description_.exports) {
        addShortcut(what.save_shortcut, [this, &what] { save(what); });
        addShortcut(what.copy_shortcut, [this, &what] { copyExport(what, window_); });
    }

    for (const std::string& name : description_.context_menu_widgets) {
        QWidget* area = qtWidgetNamed(name);
        if (!area) continue;
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(area, &QWidget::customContextMenuRequested, this,
                [this, area](const QPoint& place) { showContextMenu(area, place); });
    }

    QWidget* previous = nullptr;
    for (const std::string& name : description_.tab_order) {
        QWidget* next = qtWidgetNamed(name);
        // A widget in the tab order takes the focus by Tab at least (a drawing area: only so,
        // a click on it leaves the keys where they are).
        if (next && next->focusPolicy() == Qt::NoFocus) next->setFocusPolicy(Qt::TabFocus);
        if (previous && next) QWidget::setTabOrder(previous, next);
        if (next) previous = next;
    }

    for (const auto& [name, accessible_name] : description_.accessible_names) {
        if (QWidget* widget = qtWidgetNamed(name)) widget->setAccessibleName(qt(accessible_name));
    }

    for (const std::string& name : description_.repeating_buttons) {
        if (auto* button = qobject_cast<QAbstractButton*>(qtWidgetNamed(name))) {
            button->setAutoRepeat(true);
            button->setAutoRepeatDelay(kRepeatDelayMs);
            button->setAutoRepeatInterval(kRepeatIntervalMs);
        }
    }

    if (description_.tool_tip) {
        for (WSCbase* widget : WSGIappObjectList()->all()) {
            if (QWidget* shown = widgetOf(widget); shown && shown != window_)
                shown->installEventFilter(this);
            if (auto* peer = dynamic_cast<Peer*>(widget->peer())) peer->describeForScreenReaders();
        }
    }
}

// Saves where the user saved last, and remembers where that was, also across runs.
void Desktop::save(const WSdesktopExport& what) {
    QSettings settings = settingsOf(description_);
    const std::optional<QString> saved =
        saveExport(description_, what, window_, settings.value(kSaveFolderKey).toString());
    if (!saved) return;
    settings.setValue(kSaveFolderKey, QFileInfo(*saved).absolutePath());
    settings.sync();
}

Desktop::~Desktop() {
    WSGIappFileSelect()->setFolderListener(nullptr);
    WSsetDocumentListener(nullptr);
    if (window_) window_->setWindowTitle(title_);
    delete hint_.data();
    for (WSCbase* widget : WSGIappObjectList()->all()) {
        if (QWidget* shown = widgetOf(widget)) shown->removeEventFilter(this);
    }
    if (window_) window_->setAcceptDrops(false);
    for (const std::string& name : description_.context_menu_widgets) {
        if (QWidget* area = qtWidgetNamed(name)) area->setContextMenuPolicy(Qt::DefaultContextMenu);
    }
    for (const std::string& name : description_.repeating_buttons) {
        if (auto* button = qobject_cast<QAbstractButton*>(qtWidgetNamed(name)))
            button->setAutoRepeat(false);
    }
    for (const QPointer<QShortcut>& shortcut : shortcuts_) delete shortcut.data();
    delete menu_.data();
    delete help_.data();
}

void Desktop::addShortcut(const std::string& keys, std::function<void()> action) {
    if (keys.empty()) return;
    auto* shortcut = new QShortcut(QKeySequence(qt(keys)), window_);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, std::move(action));
    shortcuts_.emplace_back(shortcut);
}

void Desktop::showContextMenu(QWidget* area, const QPoint& place) {
    delete menu_.data();
    menu_ = new QMenu(window_);
    menu_->setAttribute(Qt::WA_DeleteOnClose);
    const auto add = [this](const std::string& label, const std::string& keys, bool enabled,
                            auto run) {
        QAction* action = menu_->addAction(qt(label));
        action->setShortcut(QKeySequence(qt(keys)));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    if (description_.open_any) {
        add(description_.open_any_label, description_.open_any_shortcut, true,
            [this] { description_.open_any(); });
        menu_->addSeparator();
    }
    // What a copy holds is taken as the menu opens: the pointer leaves the plot for the menu.
    for (const WSdesktopCopy& copy : description_.copies) {
        const std::string text = copy.text();
        add(copy.label, copy.shortcut, !text.empty(), [text] { copyText(text); });
    }
    const auto addActions = [&](const std::vector<WSdesktopAction>& entries) {
        for (const WSdesktopAction& entry : entries) {
            QAction* toggle =
                add(entry.label, entry.shortcut, entry.isEnabled(), [&entry] { entry.run(); });
            if (entry.checked) {
                toggle->setCheckable(true);
                toggle->setChecked(entry.checked());
            }
        }
    };
    addActions(description_.actions);
    if (!description_.copies.empty() || !description_.actions.empty()) menu_->addSeparator();
    addActions(description_.view_entries);
    if (!description_.view_entries.empty()) menu_->addSeparator();
    for (const WSdesktopExport& what : description_.exports) {
        add(what.save_label, what.save_shortcut, exportAvailable(what),
            [this, &what] { save(what); });
    }
    for (const WSdesktopExport& what : description_.exports) {
        add(what.copy_label, what.copy_shortcut, exportAvailable(what),
            [this, &what] { copyExport(what, window_); });
    }
    menu_->popup(area->mapToGlobal(place));
}

void Desktop::showHelp() {
    if (!help_) {
        help_ = new QMessageBox(QMessageBox::NoIcon, qt(description_.help_title),
                                qt(description_.help_text), QMessageBox::Close, window_);
        help_->setTextFormat(Qt::PlainText);
        help_->setModal(false);
    }
    help_->show();
    help_->raise();
}

bool Desktop::eventFilter(QObject* watched, QEvent* event) {
    if (hint_ && watched == hint_->parentWidget() && event->type() == QEvent::Resize)
        hint_->setGeometry(hint_->parentWidget()->rect());
    if (watched == window_) {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (droppedFile(drag->mimeData())) {
                drag->acceptProposedAction();
            } else {
                drag->ignore();
            }
            return true;
        }
        if (event->type() == QEvent::Drop) return dropFile(event);
    }
    if (event->type() == QEvent::ToolTip)
        return showToolTip(qobject_cast<QWidget*>(watched), event);
    return QObject::eventFilter(watched, event);
}

bool Desktop::dropFile(QEvent* event) {
    auto* drop = static_cast<QDropEvent*>(event);
    const std::optional<QString> file = droppedFile(drop->mimeData());
    if (!file) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    WSopenOutsideFile(file->toStdString());
    return true;
}

bool Desktop::showToolTip(QWidget* widget, QEvent* event) {
    const QString text = shownToolTip(widget);
    if (text.isEmpty()) return false;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, widget);
    return true;
}

}  // namespace wsqt

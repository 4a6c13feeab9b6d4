#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QUrl>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_window_fixture.h"
#include "handlers/frequency_zoom.h"
#include "names/window_names.h"
#include "plot/frequency_view.h"
#include "report/number_text.h"
#include "toolkit/WSdesktop.h"
#include "toolkit/qt/qt_backend.h"
#include "toolkit/qt/qt_command_line.h"
#include "toolkit/qt/qt_desktop.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;
using namespace wave_builder;
using Strings = std::vector<std::string>;

// The window as the program runs it on a desktop, with a configuration folder of its own.
class Desktop : public CliAndWindow {
  protected:
    Desktop() {
        // Qt reads the configuration folder's place once per process; this moves it.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(config.path()));
        wsqt::prepareApplication(WSGIdesktop());
        WSGIappFileSelect()->setLastDirectory({});
        attach();
        window()->show();
        window()->activateWindow();
        QApplication::setActiveWindow(window());
    }
    ~Desktop() override {
        QToolTip::hideText();
        // The pointer leaves every plot, however it came there, so that no reading outlives
        // the test.
        for (const char* plot :
             {names::kWholeWaveArea, names::kSegmentArea, names::kPowerArea, names::kPhaseArea}) {
            QEvent left(QEvent::Leave);
            QApplication::sendEvent(session.qtWidget(plot), &left);
        }
        desktop.reset();
        session.settle();  // the activation changes of closed menus and help windows
    }

    void attach() { desktop = std::make_unique<wsqt::Desktop>(WSGIdesktop()); }
    QWidget* window() { return session.qtWidget(names::kMainWindow); }
    QWidget* slider() { return session.qtWidget(names::kPositionSlider); }
    // What a screen reader hears of the widget.
    std::string accessible(const char* name, QAccessible::Text which) {
        return QAccessible::queryAccessibleInterface(session.qtWidget(name))
            ->text(which)
            .toStdString();
    }
    // The context menu a right click on plot shows.
    QMenu* contextMenu(QWidget* plot) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                                plot->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(plot, &event);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    void press(const char* keys) {
        QTest::keySequence(window(), QKeySequence(keys));
        session.settle();
    }
    // A file of samples in a folder of its own under the test's folder.
    std::string fileIn(const std::string& folder, const std::string& name, std::size_t samples) {
        fs::create_directories(dir.path() / folder);
        return dir.write(folder + "/" + name, monoWave(pattern(samples)));
    }
    // The window after loading path at size with the slider let go at position.
    void show(const std::string& path, const char* size, int position) {
        choose(size);
        load(path);
        slideTo(position);
        letGo();
    }

    TempDir config;
    std::unique_ptr<wsqt::Desktop> desktop;
};

QMimeData* urls(const std::vector<QUrl>& list) {
    auto* data = new QMimeData;
    data->setUrls(QList<QUrl>(list.begin(), list.end()));
    return data;
}

// A drag entering the window and dropping data there; whether the drag was accepted.
bool dragAndDrop(QWidget* window, QMimeData* data) {
    const std::unique_ptr<QMimeData> owned(data);
    QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(400, 300), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    return drop.isAccepted();
}

// The same file through the file dialog and from outside (the command line, a drop): the
// same messages at the same place, the same labels, views and picture; a file refused for a
// reason the converter cannot mend changes nothing either way.
TEST_F(Desktop, AFileFromOutsideLoadsExactlyAsThroughTheFileDialog) {
    const std::string other = fileIn("b", "other.wav", 5000);
    const std::string long_one = fileIn("a", "long one.wav", 30000);
    const std::string no_data = dir.write("no data.wav", riff("WAVE", {fmtChunk()}));
    const std::function<void(const std::string&)> ways[] = {
        WSopenOutsideFile, [this](const std::string& path) {
            EXPECT_TRUE(dragAndDrop(window(), urls({QUrl::fromLocalFile(path.c_str())})));
        }};
    for (const auto& open : ways) {
        for (const std::string& path : {long_one, no_data}) {
            SCOPED_TRACE((&open == ways ? "command line " : "drop ") + path);
            load(other);
            user.takeMessages();
            load(path);
            const Snapshot through_dialog = snapshot();
            const auto dialog_messages = user.takeMessages();
            const std::string dialog_picture = session.windowPng();

            load(other);
            user.takeMessages();
            open(path);
            session.settle();
            EXPECT_EQ(user.takeMessages(), dialog_messages);
            EXPECT_EQ(snapshot(), through_dialog);
            EXPECT_EQ(session.windowPng(), dialog_picture);
            EXPECT_EQ(user.takeFileDialogPlaces(), Strings(3, "120,120"))
                << "only the dialog's loads show it";
        }
    }
    EXPECT_EQ(label(names::kNameLabel), "other.wav");
}

TEST_F(Desktop, ADropTakesItsFirstLocalFileAndRefusesAnythingElse) {
    const QString first = QString::fromStdString(fileIn("a", "first.wav", 3000));
    auto* text = new QMimeData;
    text->setText(first);
    for (QMimeData* refused : {text, urls({QUrl("https://example.org/first.wav")}), urls({})})
        EXPECT_FALSE(dragAndDrop(window(), refused));
    EXPECT_TRUE(dragAndDrop(window(), urls({QUrl::fromLocalFile(first),
                                            QUrl::fromLocalFile(first + "-not-there.wav")})));
    EXPECT_EQ(label(names::kNameLabel), "first.wav");
    EXPECT_EQ(label(names::kPointsLabel), "3000");
}

struct Export {
    const char *file, *save_keys, *copy_keys;
    const char *command, *suffix;  // of sefaro-cli: render writes a file, spectrum prints
    // The window resized to width × height on a screen of that pixel ratio.
    int width = 800, height = 600;
    double ratio = 1;
    int wheel_steps = 0;     // over the power plot, on the logarithmic axis
    bool reference = false;  // the segment held as reference: sefaro-cli's --reference FILE
};

class SaveShortcut : public Desktop, public testing::WithParamInterface<Export> {};

// Proposed in the folder of the file, named after it, and written whole, the export's
// extension added to a name given without one; the copy puts the same on the clipboard, and
// the next save is proposed where this one went.
TEST_P(SaveShortcut, WritesAndCopiesWhatSefaroCliWritesForTheSameState) {
    const Export& e = GetParam();
    const std::string wave = fileIn("sounds", e.file, 9000);
    session.showAtPixelRatio(e.ratio);
    session.resize(e.width, e.height);
    show(wave, "2048", 300);
    if (e.reference) WSchooseDesktopAction(names::kHoldReferenceEntry);
    if (e.wheel_steps) {
        showLogarithmicAxis(true);
        session.wheel(100, 400, e.wheel_steps);
    }
    user.queueAnswer((dir.path() / "saved").string());
    press(e.save_keys);
    const std::string name = fs::path(e.file).stem().string() + "-2048-300." + e.suffix;
    EXPECT_EQ(user.takeSaveProposals(), Strings{(dir.path() / "sounds" / name).string()});
    const bool picture = e.command == std::string("render");
    Strings args = {e.command, wave, "--size", "2048", "--position", "300"};
    if (picture) args.insert(args.end(), {"-o", "cli.png"});
    if (e.reference) args.insert(args.end(), {"--reference", wave});
    if (e.width != 800 || e.height != 600)
        args.insert(args.end(),
                    {"--window-size", std::to_string(e.width) + "x" + std::to_string(e.height)});
    if (e.wheel_steps) {
        ASSERT_TRUE(shownAxis().zoomed);
        args.insert(args.end(),
                    {"--log-axis", "--frequency-range",
                     roundTripText(shownAxis().low_hz) + ":" + roundTripText(shownAxis().high_hz)});
    }
    const CliRun r = cli(args);
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const std::string saved = (dir.path() / "saved.").string() + e.suffix;
    EXPECT_EQ(fileText(saved), picture ? fileText(dir.path() / "cli.png") : r.out);
    EXPECT_GT(fs::file_size(saved), 1000u);
    press(e.copy_keys);
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (picture) {
        EXPECT_EQ(clipboard->image().convertToFormat(QImage::Format_RGB32),
                  QImage(saved.c_str()).convertToFormat(QImage::Format_RGB32));
    } else {
        EXPECT_EQ(clipboard->text().toStdString(), r.out);
    }
    user.queueAnswer(std::nullopt);
    press(e.save_keys);
    EXPECT_EQ(user.takeSaveProposals(), Strings{(dir.path() / name).string()});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Desktop, SaveShortcut, testing::Values(
    Export{"SONG.WAV", "Ctrl+S", "Ctrl+C", "render", "png"},
    // In logical pixels at ratio 1, whatever the screen's.
    Export{"song.wav", "Ctrl+S", "Ctrl+C", "render", "png", 1200, 900, 2},
    // Zoomed on the logarithmic axis: render's --frequency-range and --log-axis.
    Export{"zoomed.wav", "Ctrl+S", "Ctrl+C", "render", "png", 800, 600, 1, 3},
    Export{"tones.wav", "Ctrl+E", "Ctrl+Shift+C", "spectrum", "csv"},
    Export{"held.wav", "Ctrl+E", "Ctrl+Shift+C", "spectrum", "csv", 800, 600, 1, 0, true}),
    [](const auto& info) { return std::string(info.param.command) + (info.param.ratio != 1 ? "_at_ratio_2" : "") + (info.param.wheel_steps ? "_zoomed" : "") + (info.param.reference ? "_with_reference" : ""); });
// clang-format on

TEST_F(Desktop, AFailedSaveIsShownAndLeavesNothingBehind) {
    show(fileIn("a", "tones.wav", 9000), "1024", 0);
    const std::string target = (dir.path() / "missing" / "x.csv").string();
    user.queueAnswer(target);
    press("Ctrl+E");
    EXPECT_THAT(user.takeMessages(), testing::ElementsAre(testing::Field(
                                         &WSshownMessage::text,
                                         "Cannot save " + target + ": No such file or directory")));
    EXPECT_FALSE(fs::exists(dir.path() / "missing"));
}

// Offered on each of the four plots: Open any sound, the reading's copy and the reference's
// entries, the frequency axis's entries, then saves, then copies; nothing to export of the
// spectrum without an analysed segment, no reading but over a spectrum. Before any file the
// picture is named after the program, in the current folder.
TEST_F(Desktop, EachPlotsContextMenuSavesAndCopiesWhatIsShown) {
    user.queueAnswer(std::nullopt);
    press("Ctrl+S");
    EXPECT_EQ(user.takeSaveProposals(),
              Strings{QDir::current().filePath("sefaro-1024-0.png").toStdString()});
    load(fileIn("a", "short.wav", 1000));
    for (const char* size : {"1024", "512"}) {  // 1024 is longer than the wave: no segment
        choose(size);
        const std::string spectrum = size == std::string("512") ? "" : " off";
        for (const char* area :
             {names::kWholeWaveArea, names::kSegmentArea, names::kPowerArea, names::kPhaseArea}) {
            SCOPED_TRACE(area);
            QWidget* plot = session.qtWidget(area);
            const QPoint inside = plot->mapTo(window(), QPoint(40, 40));
            session.point(inside.x(), inside.y());
            const std::string reading = spectrum.empty() && plot->y() > 200 ? "" : " off";
            QMenu* menu = contextMenu(plot);
            ASSERT_NE(menu, nullptr);
            Strings entries;
            for (QAction* action : menu->actions()) {
                const QKeySequence keys = action->shortcut();
                entries.push_back(
                    (keys.isEmpty() ? action->text() : keys.toString()).toStdString() +
                    (action->isEnabled() ? "" : " off"));
            }
            // With no reference held, Drop reference and Show difference are disabled.
            EXPECT_EQ(entries,
                      (Strings{"Ctrl+Shift+O", "", "Ctrl+Alt+C" + reading, "R" + spectrum,
                               "Open reference…", "Shift+R off", "Show difference off", "",
                               "Show all frequencies", "Logarithmic frequency axis", "", "Ctrl+S",
                               "Ctrl+E" + spectrum, "Ctrl+C", "Ctrl+Shift+C" + spectrum}));
            menu->close();
        }
    }
    // The axis's entries: the zoom shows all frequencies again; the toggle checks the
    // logarithmic axis, and shows it checked.
    QWidget* power = session.qtWidget(names::kPowerArea);
    session.wheel(power->x() + 100, power->y() + 100, 2);
    ASSERT_TRUE(shownAxis().zoomed);
    QAction missing;  // what a lookup that fails acts on, after failing the test
    const auto entry = [&](const char* text) -> QAction& {
        for (QAction* action : contextMenu(power)->actions())
            if (action->text() == text) return *action;
        ADD_FAILURE() << "no entry " << text;
        return missing;
    };
    entry("Show all frequencies").trigger();
    EXPECT_FALSE(shownAxis().zoomed);
    entry("Logarithmic frequency axis").trigger();
    EXPECT_TRUE(shownAxis().logarithmic);
    EXPECT_TRUE(entry("Logarithmic frequency axis").isChecked());
    session.wheel(power->x() + 100, power->y() + 100, 2);
    entry("Show all frequencies").trigger();  // the whole logarithmic axis, bin 1 … rate/2
    EXPECT_TRUE(shownAxis().logarithmic && !shownAxis().zoomed);
    QApplication::activePopupWidget()->close();
    QGuiApplication::clipboard()->clear();
    choose("4096");  // no segment again: the spectrum's shortcuts do nothing
    user.queueAnswer((dir.path() / "never.csv").string());
    press("Ctrl+E");
    press("Ctrl+Shift+C");
    EXPECT_TRUE(user.takeSaveProposals().empty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "");
}

// The pointer on the 440 Hz peak of the two-tone sample at 2048 points, bin 20: Ctrl+Alt+C
// copies the reading's long form with the file, size and position, and a screen reader hears
// the reading as the power plot's description. (Qt hands the change events to a screen reader
// only where one is running, which the offscreen platform has not.)
TEST_F(Desktop, TheReadingIsCopiedWithWhereItIsFromAndHeardAsThePlotsDescription) {
    show(SAMPLES_DIR "/two-tones.wav", "2048", 3000);
    QGuiApplication::clipboard()->clear();
    press("Ctrl+Alt+C");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "") << "no reading, nothing copied";
    session.point(10 + 11 + 20 * 366 / 1024, 425);
    press("Ctrl+Alt+C");
    const std::string copied = QGuiApplication::clipboard()->text().toStdString();
    // 440 Hz within a thousandth of a bin, 20·log10(12000/32767) = -8.73 dBFS.
    double frequency_hz = 0;
    ASSERT_EQ(std::sscanf(copied.c_str(), "bin 20 of 2048, peak %lf", &frequency_hz), 1) << copied;
    EXPECT_THAT(copied, HasSubstr(" Hz, -8.73 dBFS, ln(1+P) "));
    EXPECT_NEAR(frequency_hz, 440, 0.022);
    EXPECT_THAT(copied, testing::EndsWith(" rad   two-tones.wav, N 2048, position 3000"));
    EXPECT_EQ(copied.find('\n'), std::string::npos);
    EXPECT_THAT(
        accessible(names::kPowerArea, QAccessible::Description),
        testing::AllOf(testing::StartsWith("bin 20 of 2048, peak 4"), HasSubstr(", -8.73 dBFS, ")));
}

// Asked to close, the window closes and the program ends; here the requests are counted and
// refused, so that the window stays for the other tests.
struct CloseCounter : QObject {
    int requests = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Close) return false;
        ++requests;
        event->ignore();
        return true;
    }
};

TEST_F(Desktop, CtrlOOpensTheFileDialogCtrlQAndCtrlWCloseF1ShowsHelp) {
    press("Ctrl+O");
    press("Ctrl+Shift+O");
    EXPECT_EQ(user.takeFileDialogPlaces(), Strings(2, "120,120"));
    CloseCounter closes;
    window()->installEventFilter(&closes);
    press("Ctrl+Q");
    press("Ctrl+W");
    window()->removeEventFilter(&closes);
    EXPECT_EQ(closes.requests, 2);

    press("F1");
    QMessageBox* help = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible()) help = box;
    ASSERT_NE(help, nullptr);
    EXPECT_THAT(help->text().toStdString(),
                testing::AllOf(HasSubstr("Sefaro " SEFARO_VERSION),
                               HasSubstr("\n  Ctrl+Shift+O  open any sound")));
    for (const QString& line : help->text().split('\n'))
        EXPECT_LE(line.size(), 80) << line.toStdString();
    help->close();
    session.settle();
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.sefaro.Sefaro");
}

// Holding a step button repeats it; each repeat is one whole click: one sample, the spectra
// analysed again.
TEST_F(Desktop, HoldingForwMovesOneSamplePerRepeatAndReanalysesEachTime) {
    show(fileIn("a", "tones.wav", 22050), "1024", 100);
    auto* forw = qobject_cast<QAbstractButton*>(session.qtWidget(names::kForwButton));
    QSignalSpy clicked(forw, &QAbstractButton::clicked);
    static int power_exposes;
    power_exposes = 0;
    start_up::bindOnce(session.find(names::kPowerArea), WSEV_EXPOSE,
                       [](WSCbase*) { ++power_exposes; });

    QTest::mousePress(forw, Qt::LeftButton);
    QTest::qWait(1000);
    QTest::mouseRelease(forw, Qt::LeftButton);
    session.settle();
    const int clicks = int(clicked.count());
    // After 0.4 s, 20 steps a second.
    EXPECT_EQ(forw->autoRepeatDelay(), 400);
    EXPECT_EQ(forw->autoRepeatInterval(), 50);
    EXPECT_GE(clicks, 2) << "held for a second, the button repeats";
    EXPECT_EQ(position(), std::to_string(100 + clicks));
    EXPECT_EQ(power_exposes, clicks);
    EXPECT_EQ(segment(), std::vector<short>(siii + 100 + clicks, siii + 100 + clicks + 1024));
}

// A click on a control or a plot leaves the keyboard with the slider (a click on the whole
// wave moves the segment, so the test leaves that plot out).
TEST_F(Desktop, ClicksLeaveTheKeysWithTheSliderAndTabFollowsTheControls) {
    show(fileIn("a", "tones.wav", 9000), "1024", 10);
    QApplication::setActiveWindow(window());
    ASSERT_EQ(QApplication::activeWindow(), window()) << "keys reach only the active window";
    slider()->setFocus();
    long expected = 10;
    for (const std::string clicked : {names::kForwButton, names::kBackButton, names::kSelectButton,
                                      names::kSegmentArea, names::kPowerArea, names::kPhaseArea}) {
        QTest::mouseClick(session.qtWidget(clicked.c_str()), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        // The Right key moves one sample on, as do Forw's click and Back's the other way.
        expected += 1 + (clicked == names::kForwButton) - (clicked == names::kBackButton);
        EXPECT_EQ(QApplication::focusWidget(), slider()) << clicked;
        EXPECT_EQ(position(), std::to_string(expected)) << clicked;
    }
    EXPECT_EQ(session.qtWidget(names::kSizeBox)->focusPolicy(), Qt::TabFocus);

    session.qtWidget(names::kSelectButton)->setFocus();
    for (const char* next :
         {names::kSelectButton, names::kSizeBox, names::kBackButton, names::kForwButton,
          names::kPositionSlider, names::kPowerArea, names::kPhaseArea}) {
        EXPECT_EQ(QApplication::focusWidget(), session.qtWidget(next)) << next;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

// After a file of 30000 samples (22050 kept) with the segment at sample 3000. A screen reader
// hears the same as the controls' and labels' descriptions, and each plot by its name.
TEST_F(Desktop, ToolTipsSayWhatAControlOrLabelIsAndScreenReadersHearTheSame) {
    show(fileIn("a", "a rather long name for a recording.wav", 30000), "1024", 3000);
    // clang-format off
    const std::pair<const char*, const char*> tips[] = {
        {names::kNameLabel, "a rather long name for a recording.wav"},
        {names::kRateLabel, "44100 samples per second"},
        {names::kBitsLabel, "16 bits per sample"},
        {names::kPointsLabel, "22050 samples kept (0.500 s)"},
        {names::kPositionLabel, "first sample of the segment (68.03 ms)"},
        {names::kBackButton, "One sample back; hold to repeat"},
        {names::kPositionSlider, "Where the segment starts; with the focus, Left and Right step one sample, PageUp and PageDown a fiftieth"}};
    // clang-format on
    for (const auto& [name, text] : tips) {
        QWidget* widget = session.qtWidget(name);
        QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(widget, &event);
        EXPECT_EQ(QToolTip::text().toStdString(), text) << name;
        EXPECT_EQ(accessible(name, QAccessible::Description), text) << name;
    }
    EXPECT_EQ(accessible(names::kPowerArea, QAccessible::Name), "power spectrum");
    EXPECT_EQ(accessible(names::kWholeWaveArea, QAccessible::Name), "whole wave");
    EXPECT_EQ(accessible(names::kPositionSlider, QAccessible::Name), "position");
}

// Kept in the configuration folder, so a later run starts there; a refused file does not
// count, and a folder that has gone falls back to the home folder.
TEST_F(Desktop, TheFolderOfTheLastFileLoadedIsRememberedAcrossRuns) {
    load(fileIn("kept", "a.wav", 3000));
    load(dir.write("refused.wav", {}));
    desktop.reset();  // the program ends
    WSGIappFileSelect()->setLastDirectory({});
    attach();  // and starts again
    const std::string kept = (dir.path() / "kept").string();
    EXPECT_EQ(WSGIappFileSelect()->lastDirectory(), kept);
    EXPECT_EQ(wsqt::startFolder(kept).toStdString(), kept);
    EXPECT_TRUE(fs::exists(config.path() / "Sefaro" / "Sefaro.conf"));
    fs::remove_all(dir.path() / "kept");
    EXPECT_EQ(wsqt::startFolder(kept), QDir::homePath());
}

// Until a file is loaded the whole wave carries a hint over its picture; then the window
// manager's title names the file, while the window's own title property stays.
TEST_F(Desktop, TheTitleNamesTheLoadedFileAndTheHintLeavesTheEmptyView) {
    QWidget* whole_wave = session.qtWidget(names::kWholeWaveArea);
    const QList<QLabel*> hints = whole_wave->findChildren<QLabel*>();
    ASSERT_EQ(hints.size(), 1);
    EXPECT_EQ(hints[0]->text(),
              "Open a sound: select WAVE, Ctrl+O, Ctrl+Shift+O, or drop a file here");
    EXPECT_EQ(window()->windowTitle().toStdString(), "Sefaro");
    load(fileIn("a", "short.wav", 3000));
    session.settle();
    EXPECT_THAT(whole_wave->findChildren<QLabel*>(), testing::IsEmpty());
    EXPECT_EQ(window()->windowTitle().toStdString(), "short.wav — Sefaro");
    EXPECT_EQ(text(names::kMainWindow, _WSNtitleString()), "Sefaro");
}

TEST(SefaroCommandLine, OpensTheFirstFileAndSaysWhichOthersAreIgnored) {
    const auto read = wsqt::readCommandLine({"sefaro", "a.wav", "c d.wav", "e.wav"}, WSGIdesktop());
    EXPECT_FALSE(read.exit_code);
    EXPECT_EQ(read.file, "a.wav");
    EXPECT_EQ(read.err, "sefaro: only the first file is opened; ignored: c d.wav e.wav\n");
    EXPECT_EQ(wsqt::readCommandLine({"sefaro", "a.wav", "b.wav"}, WSGIdesktop()).err,
              "sefaro: only the first file is opened; ignored: b.wav\n");
    // Without --channel, the mean of the channels (0).
    for (const auto& [args, channel] :
         {std::pair{QStringList{"sefaro", "--from", "1.5", "--channel", "2", "song.flac"}, 2},
          {QStringList{"sefaro", "--from", "1.5", "song.flac"}, 0}}) {
        const auto excerpt = wsqt::readCommandLine(args, WSGIdesktop());
        EXPECT_EQ(excerpt.file, "song.flac");
        ASSERT_TRUE(excerpt.excerpt);
        EXPECT_EQ(excerpt.excerpt->from_s, 1.5);
        EXPECT_EQ(excerpt.excerpt->channel, channel);
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <QComboBox>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>
#include <string>
#include <vector>

#include "names/window_names.h"
#include "plot/frequency_view.h"
#include "support/start_up_state.h"
#include "support/temp_dir.h"
#include "support/wave_builder.h"
#include "toolkit/WSscriptedUser.h"
#include "toolkit/qt/headless.h"
#include "toolkit/toolkit.h"

namespace {

std::vector<std::string> events;

std::string fired(const char* instance_name, long event) {
    return std::string(instance_name) + ":" + std::to_string(event);
}

// Real Qt input events on the real window reach the procedures bound to each widget.
class RealInput : public ::testing::Test {
  protected:
    void SetUp() override {
        WSinstallDialogResponder(&cancel);
        for (const char* name : {names::kBackButton, names::kSizeBox, names::kPositionSlider}) {
            WSCbase* widget = session.find(name);
            start_up::bindOnce(widget, WSEV_ACTIVATE, [](WSCbase* o) {
                events.push_back(fired(o->getInstanceName(), WSEV_ACTIVATE));
            });
            start_up::bindOnce(widget, WSEV_VALUE_CHANGE, [](WSCbase* o) {
                events.push_back(fired(o->getInstanceName(), WSEV_VALUE_CHANGE));
            });
        }
        events.clear();
        QWidget* window = session.qtWidget(names::kMainWindow);
        window->activateWindow();
        QApplication::setActiveWindow(window);
    }
    void TearDown() override { WSinstallDialogResponder(nullptr); }

    QSlider* slider() { return qobject_cast<QSlider*>(session.qtWidget(names::kPositionSlider)); }
    void setRange(const char* maximum, const char* drag) {
        WSCbase* s = session.find(names::kPositionSlider);
        s->setPropertyV(_WSNmaximum(), maximum);
        s->setPropertyV(_WSNdragInterval(), drag);
        s->setPropertyV(_WSNvalue(), "0");
    }
    QPoint handleCentre() {
        struct Slider : QSlider {
            using QSlider::initStyleOption;  // the options the slider paints itself with
        };
        QStyleOptionSlider option;
        (slider()->*&Slider::initStyleOption)(&option);
        return slider()
            ->style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider())
            .center();
    }

    WSscriptedUser cancel;  // answers nothing: every file dialog is cancelled
    wsqt::HeadlessSession& session = start_up::freshSession();
};

TEST_F(RealInput, ADragRaisesValueChangesAndItsReleaseActivates) {
    setRange("1000", "20");
    const QPoint start = handleCentre();
    QTest::mousePress(slider(), Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(slider(), start + QPoint(100, 0));
    QTest::mouseMove(slider(), start + QPoint(200, 0));
    ASSERT_GE(events.size(), 1u);
    for (const std::string& e : events)
        EXPECT_EQ(e, fired(names::kPositionSlider, WSEV_VALUE_CHANGE));
    const long moved_to =
        QString(session.find(names::kPositionSlider)->getProperty(_WSNvalue()).text()).toLong();
    EXPECT_GT(moved_to, 0);
    EXPECT_EQ(moved_to, slider()->value());

    events.clear();
    QTest::mouseRelease(slider(), Qt::LeftButton, Qt::NoModifier, start + QPoint(200, 0));
    EXPECT_EQ(events, (std::vector<std::string>{fired(names::kPositionSlider, WSEV_ACTIVATE)}));
}

TEST_F(RealInput, ProgramChangesOfPropertiesRaiseNoEvent) {
    setRange("500", "10");
    session.find(names::kPositionSlider)->setPropertyV(_WSNvalue(), "250");
    session.find(names::kSizeBox)->setPropertyV(_WSNlabelString(), "4096");
    session.find(names::kBackButton)->setPropertyV(_WSNlabelString(), "back");
    session.settle();
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(slider()->value(), 250);
    EXPECT_EQ(qobject_cast<QComboBox*>(session.qtWidget(names::kSizeBox))->currentText(), "4096");
}

// A notch of the wheel over the power plot (its fraction t = 179/366 of the way across) zooms
// both spectra by 1.25 about the frequency there, within half a bin; a middle drag and a
// Shift drag pan them by the pointer's way, 17640 Hz a 366 pixels; a double click shows
// them whole again. Shift and the left button on the whole wave, which does not pan, click
// there: the segment then starts at sample 3500 of 22050 under column 120.
TEST_F(RealInput, TheWheelZoomsTheSpectraADragPansThemADoubleClickShowsThemAll) {
    TempDir dir;
    cancel.queueAnswer(dir.write("w.wav", wave_builder::monoWave(wave_builder::pattern(22050))));
    session.click(names::kSelectButton);
    QTest::mouseClick(session.qtWidget(names::kWholeWaveArea), Qt::LeftButton, Qt::ShiftModifier,
                      QPoint(120, 50));
    EXPECT_EQ(slider()->value(), 3500);
    QWidget* power = session.qtWidget(names::kPowerArea);
    const QImage phase_before = session.qtWidget(names::kPhaseArea)->grab().toImage();
    const QPointF at(190, 200);
    QWheelEvent wheel(at, power->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(power, &wheel);
    const double extent = 22050 / 1.25, t = 179.0 / 366;
    const double low = shownAxis().low_hz;
    ASSERT_TRUE(shownAxis().zoomed);
    EXPECT_NEAR(shownAxis().high_hz - low, extent, 1e-6);
    EXPECT_NEAR(low + t * extent, t * 22050, 44100.0 / 1024 / 2);
    // The phase plot shows the same frequencies: it is drawn again.
    EXPECT_NE(session.qtWidget(names::kPhaseArea)->grab().toImage(), phase_before);
    QTest::mousePress(power, Qt::MiddleButton, {}, QPoint(190, 200));
    QTest::mouseMove(power, QPoint(220, 200));
    QTest::mouseRelease(power, Qt::MiddleButton, {}, QPoint(220, 200));
    EXPECT_NEAR(shownAxis().low_hz, low - 30 * extent / 366, 1e-6);
    QTest::mousePress(power, Qt::LeftButton, Qt::ShiftModifier, QPoint(220, 200));
    QTest::mouseMove(power, QPoint(190, 200));
    QTest::mouseRelease(power, Qt::LeftButton, Qt::ShiftModifier, QPoint(190, 200));
    EXPECT_NEAR(shownAxis().low_hz, low, 1e-6);
    QTest::mouseDClick(power, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_FALSE(shownAxis().zoomed);
}

}  // namespace

// What each user action costs at N = 4096 on a half-second wave, through the same
// callbacks the window runs: the program started headless, the dialogs answered in place
// of the user.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "long_sounds.h"
#include "names/window_names.h"
#include "support/temp_dir.h"
#include "support/wave_builder.h"
#include "toolkit/WSdesktop.h"
#include "toolkit/WSscriptedUser.h"
#include "toolkit/qt/headless.h"
#include "toolkit/toolkit.h"

namespace {

// One program for every benchmark: loaded with a 22050-sample tone, N = 4096.
struct LoadedProgram {
    LoadedProgram() {
        std::vector<int16_t> samples(22050);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            samples[i] = static_cast<int16_t>(8000 * std::sin(0.07 * double(i)) +
                                              900 * std::sin(1.3 * double(i)));
        }
        path = dir.write("tone.wav", wave_builder::monoWave(samples));
        WSinstallDialogResponder(&user);
        user.queueAnswer(path);
        session.choose(names::kSizeBox, "4096");
        session.click(names::kSelectButton);
    }
    WSCbase* widget(const char* name) { return wsqt::HeadlessSession::find(name); }

    TempDir dir;
    std::string path;
    WSscriptedUser user;
    wsqt::HeadlessSession session;
};

LoadedProgram& program() {
    static LoadedProgram loaded;
    return loaded;
}

void BM_load(benchmark::State& state) {
    WSCbase* button = program().widget(names::kSelectButton);
    for (auto _ : state) {
        program().user.queueAnswer(program().path);
        button->execProcedure(WSEV_ACTIVATE);
    }
}

// Open any sound's excerpt, half a second from the middle of a long recording (0: the
// ten-minute WAVE, 1: the three-minute FLAC), loaded as the picker's OK loads it; against
// BM_load.
void BM_open_any(benchmark::State& state) {
    program();
    const LongSounds& sounds = longSounds();
    const bool flac = state.range(0) == 1;
    const std::string& path = flac ? sounds.flac : sounds.wave;
    const double middle_s = (flac ? LongSounds::kFlacSeconds : LongSounds::kWaveSeconds) / 2;
    for (auto _ : state) WSGIdesktop().open_excerpt(path, middle_s, 0);
}

// A slider movement: the slider holds the new value, then raises value change.
void BM_value_change(benchmark::State& state) {
    WSCbase* slider = program().widget(names::kPositionSlider);
    long position = 0;
    for (auto _ : state) {
        position = (position + 97) % 17954;
        slider->storeUserValue(_WSNvalue(), std::to_string(position).c_str());
        slider->execProcedure(WSEV_VALUE_CHANGE);
    }
}

// A pointer move over the power plot: the area records where the pointer is, then raises
// the move; the captions read out the strongest bin within reach. Columns alternate so
// that each move names another bin.
void BM_readout(benchmark::State& state) {
    auto* area = dynamic_cast<WSCvdrawingArea*>(program().widget(names::kPowerArea));
    int x = 11;
    for (auto _ : state) {
        x = x >= 370 ? 11 : x + 7;
        area->raisePointerEvent(WSEV_POINTER_MOVE, x, 165);
    }
}

void BM_activate(benchmark::State& state) {
    WSCbase* slider = program().widget(names::kPositionSlider);
    slider->storeUserValue(_WSNvalue(), "5000");
    for (auto _ : state) slider->execProcedure(WSEV_ACTIVATE);
}

// The same with the segment at 3000 held as reference: the power plot's overlay is painted
// over the view's picture at each activation; against BM_activate.
void BM_activate_with_reference(benchmark::State& state) {
    WSCbase* slider = program().widget(names::kPositionSlider);
    slider->storeUserValue(_WSNvalue(), "3000");
    slider->execProcedure(WSEV_ACTIVATE);
    WSchooseDesktopAction(names::kHoldReferenceEntry);
    slider->storeUserValue(_WSNvalue(), "5000");
    for (auto _ : state) slider->execProcedure(WSEV_ACTIVATE);
    WSchooseDesktopAction(names::kDropReferenceEntry);
}

// One notch of the wheel over the power plot, in and out in turn: both spectra drawn again
// over the new frequency range, with no analysis; against BM_activate, which analyses the
// segment and draws them over the whole axis.
void BM_zoom(benchmark::State& state) {
    auto* area = dynamic_cast<WSCvdrawingArea*>(program().widget(names::kPowerArea));
    double steps = 1;
    for (auto _ : state) {
        area->raiseWheelEvent(150, 165, steps);
        steps = -steps;
    }
    // An odd count of runs leaves the spectra zoomed: the next benchmark starts from all.
    WSchooseDesktopAction(names::kShowAllFrequenciesEntry);
    area->raisePointerEvent(WSEV_POINTER_LEAVE, 150, 165);
}

void BM_step(benchmark::State& state) {
    WSCbase* forw = program().widget(names::kForwButton);
    WSCbase* back = program().widget(names::kBackButton);
    program().widget(names::kPositionSlider)->setPropertyV(_WSNvalue(), "5000");
    bool forward = true;
    for (auto _ : state) {
        (forward ? forw : back)->execProcedure(WSEV_ACTIVATE);
        forward = !forward;
    }
}

void BM_size_change(benchmark::State& state) {
    WSCbase* combo = program().widget(names::kSizeBox);
    for (auto _ : state) combo->execProcedure(WSEV_ACTIVATE);
}

// The window enlarged to 1200 x 900: each resize it raises places the growing widgets and
// draws views 1 to 4 again at their new sizes from the analysis state, with no analysis;
// against BM_step, which analyses and draws them at 800 x 600.
void BM_resize(benchmark::State& state) {
    program().session.resize(1200, 900);
    WSCbase* window = program().widget(names::kMainWindow);
    for (auto _ : state) window->execProcedure(WSEV_RESIZE);
    program().session.resize(800, 600);
}

}  // namespace

BENCHMARK(BM_load)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_open_any)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_value_change)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_readout)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_activate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_activate_with_reference)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_zoom)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_step)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_size_change)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_resize)->Unit(benchmark::kMicrosecond);

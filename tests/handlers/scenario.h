#pragma once

// The whole program started headless, driven as a user drives it: files chosen through
// the file dialog, sizes in the combo box, the slider dragged and let go, buttons pressed.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "names/window_names.h"
#include "plot/view_devices.h"
#include "support/start_up_state.h"
#include "support/temp_dir.h"
#include "support/wave_builder.h"
#include "toolkit/WSscriptedUser.h"
#include "toolkit/qt/headless.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

// What a user can see, and the state behind it, at one moment.
struct Snapshot {
    std::vector<std::string> labels;
    std::string slider, combo;
    std::vector<std::vector<uint32_t>> views;
    std::vector<short> wave;
    long size = 0;
    bool has_segment = false;
    bool operator==(const Snapshot&) const = default;
};

class Scenario : public ::testing::Test {
  protected:
    Scenario() { WSinstallDialogResponder(&user); }
    ~Scenario() override { WSinstallDialogResponder(nullptr); }

    std::string file(const std::string& name, const std::vector<int16_t>& samples) {
        return dir.write(name, wave_builder::monoWave(samples));
    }
    void load(const std::string& path) {
        user.queueAnswer(path);
        session.click(names::kSelectButton);
    }
    void choose(const char* size) { ASSERT_TRUE(session.choose(names::kSizeBox, size)); }
    void slideTo(int position) { session.slide(names::kPositionSlider, position); }
    void letGo() { session.release(names::kPositionSlider); }

    std::string text(const char* instance, const char* property) {
        WSCbase* widget = wsqt::HeadlessSession::find(instance);
        return widget ? widget->getProperty(property).text() : "<missing>";
    }
    std::string label(const char* instance) { return text(instance, _WSNlabelString()); }
    std::string position() { return label(names::kPositionLabel); }
    // The slider's value, minimum, maximum and drag interval.
    std::string slider() {
        const char* s = names::kPositionSlider;
        return text(s, _WSNvalue()) + " " + text(s, _WSNminimum()) + " " + text(s, _WSNmaximum()) +
               " " + text(s, _WSNdragInterval());
    }

    // A device's picture, row by row.
    static std::vector<uint32_t> pixels(const WSDdev* device) {
        return {device->bits(), device->bits() + std::size_t(device->width()) * device->height()};
    }
    // The picture of view 1 to 4 as its device holds it (empty before the device exists).
    static std::vector<uint32_t> view(int number) {
        const WSDmwindowDev* devices[] = {mdev, mdev2, mdev3, mdev4};
        const WSDmwindowDev* device = devices[number - 1];
        return device ? pixels(device) : std::vector<uint32_t>{};
    }

    Snapshot snapshot() {
        Snapshot s;
        for (const char* l : {names::kNameLabel, names::kRateLabel, names::kBitsLabel,
                              names::kPointsLabel, names::kPositionLabel})
            s.labels.push_back(label(l));
        s.slider = slider();
        s.combo = label(names::kSizeBox);
        for (int v = 1; v <= 4; ++v) s.views.push_back(view(v));
        if (siii) s.wave.assign(siii, siii + maxsize);
        s.size = selsize;
        s.has_segment = seliii != nullptr;
        return s;
    }

    std::vector<short> segment() const {
        return seliii ? std::vector<short>(seliii, seliii + selsize) : std::vector<short>{};
    }

    WSscriptedUser user;
    TempDir dir;
    wsqt::HeadlessSession& session = start_up::freshSession();
};

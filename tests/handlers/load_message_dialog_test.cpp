// What the "select WAVE" button's callback does with the reader's message: the shared
// message dialog is placed by the main window, labelled, and only then shown, once, and a
// long file's notice is shown while the previous wave is still the loaded one.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "names/window_names.h"
#include "support/temp_dir.h"
#include "support/wave_builder.h"
#include "toolkit/WSCpeer.h"
#include "toolkit/WSbackend.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"
#include "wave/wave_reader.h"
#include "wave/wave_refusal.h"

namespace {

using namespace wave_builder;

// What a backend sees of the message dialog, in order.
std::vector<std::string>& seen() {
    static std::vector<std::string> events;
    return events;
}

class RecordingPeer : public WSCpeer {
  public:
    explicit RecordingPeer(WSCbase& widget) : widget_(widget) {}
    void propertyChanged(std::string_view name) override {
        if (widget_.getClassName() != std::string("WSCmessageDialog")) return;
        seen().push_back(std::string(name) + "=" +
                         widget_.getProperty(std::string(name).c_str()).text());
    }
    void visibilityChanged(bool) override {}
    void pictureChanged() override {}

  private:
    WSCbase& widget_;
};

// Confirms `chosen` in the file dialog.
class RecordingBackend : public WSbackend {
  public:
    std::unique_ptr<WSCpeer> realise(WSCbase& widget) override {
        return std::make_unique<RecordingPeer>(widget);
    }
    std::optional<std::string> runFileDialog(WSCfileSelect&) override { return chosen; }
    void runMessageDialog(WSCmessageDialog&) override {
        seen().push_back("shown over " + std::to_string(maxsize) + " samples");
    }
    std::string chosen;
};

struct LoadCase {
    const char* name;
    Bytes file;
    const char* message;
    bool kept;
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class LoadMessage : public testing::TestWithParam<LoadCase> {
  protected:
    void SetUp() override {
        WSinstallBackend(&backend());
        WSDappDev::runInitHandlers();
        WSGIappMessageDialog()->initialize();
        seen().clear();
    }
    void TearDown() override { WSinstallBackend(nullptr); }
    // Widgets keep their peers for the rest of the process, so the backend outlives the test.
    static RecordingBackend& backend() {
        static RecordingBackend instance;
        return instance;
    }
    const TempDir dir;
};

TEST_P(LoadMessage, IsPlacedThenLabelledThenShownBeforeTheWaveIsReplaced) {
    const LoadCase& c = GetParam();
    backend().chosen = dir.write("file.wav", c.file);
    const long samples_before = maxsize;

    WSGIappObjectList()->getInstance("WSCvbtn", names::kSelectButton)->execProcedure(WSEV_ACTIVATE);

    const std::string x = _WSNx(), y = _WSNy(), label = _WSNlabelString();
    // The window stands at (100, 100); its dialogs 20 pixels further in.
    EXPECT_THAT(seen(), testing::ElementsAre(x + "=120", y + "=120", label + "=" + c.message,
                                             "shown over " + std::to_string(samples_before) +
                                                 " samples"));
    EXPECT_EQ(maxsize, c.kept ? kMaxWaveSamples : samples_before);
}

INSTANTIATE_TEST_SUITE_P(Files, LoadMessage,
                         testing::Values(LoadCase{"empty", {}, "riff chunk not found", false},
                                         LoadCase{"long", mono_wave(pattern(30000)),
                                                  kWaveLengthNotice, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

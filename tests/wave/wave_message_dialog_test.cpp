#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "toolkit/WSCpeer.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSbackend.h"
#include "toolkit/WSdialogs.h"
#include "wave/wave_reader.h"

namespace {

// What a backend sees of the message dialog, in order.
std::vector<std::string>& seen() {
    static std::vector<std::string> events;
    return events;
}

class RecordingPeer : public WSCpeer {
  public:
    explicit RecordingPeer(WSCbase& widget) : widget_(widget) {}
    void propertyChanged(std::string_view name) override {
        seen().push_back(std::string(name) + "=" +
                         widget_.getProperty(std::string(name).c_str()).text());
    }
    void visibilityChanged(bool) override {}
    void pictureChanged() override {}

  private:
    WSCbase& widget_;
};

class RecordingBackend : public WSbackend {
  public:
    std::unique_ptr<WSCpeer> realise(WSCbase& widget) override {
        return std::make_unique<RecordingPeer>(widget);
    }
    std::optional<std::string> runFileDialog(WSCfileSelect&) override { return std::nullopt; }
    void runMessageDialog(WSCmessageDialog&) override { seen().push_back("shown"); }
};

// The dialog is placed, labelled, and only then shown, once per message.
TEST(WaveMessageDialog, IsPlacedThenLabelledThenShown) {
    static RecordingBackend backend;  // the dialog keeps its peer for the rest of the process
    WSinstallBackend(&backend);
    WSGIappMessageDialog()->initialize();
    const TempDir dir;
    const std::string path = dir.write("empty.wav", {});

    EXPECT_EQ(readWaveFile(path.c_str(), "33", "44"), WaveReadOutcome::refused);
    WSinstallBackend(nullptr);
    const std::string x = _WSNx(), y = _WSNy(), label = _WSNlabelString();
    EXPECT_THAT(seen(), testing::ElementsAre(x + "=33", y + "=44", label + "=riff chunk not found",
                                             "shown"));
}

}  // namespace

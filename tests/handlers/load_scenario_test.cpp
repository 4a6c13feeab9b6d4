#include "names/window_names.h"
#include "scenario.h"
#include "wave/wave_reader.h"
#include "wave/wave_refusal.h"

namespace {

using wave_builder::pattern;

using Load = Scenario;

// A refusal or the notice of a cut file is shown placed and labelled, once, while the
// previous wave is still the loaded one; only the cut file then replaces it.
TEST_F(Load, AMessageIsShownBeforeTheWaveIsReplaced) {
    struct Watching : WSscriptedUser {
        void takeMessage(WSCmessageDialog& dialog) override {
            samples_then.push_back(maxsize);
            WSscriptedUser::takeMessage(dialog);
        }
        std::vector<long> samples_then;
    } watching;
    load(file("before.wav", pattern(3000)));
    WSinstallDialogResponder(&watching);
    const std::pair<std::vector<unsigned char>, WSshownMessage> files[] = {
        {{}, {"riff chunk not found", "120", "120"}},
        {wave_builder::monoWave(pattern(30000)), {kWaveLengthNotice, "120", "120"}}};
    for (const auto& [bytes, message] : files) {
        watching.queueAnswer(dir.write("file.wav", bytes));
        session.click(names::kSelectButton);
        EXPECT_EQ(watching.takeMessages(), std::vector<WSshownMessage>{message});
        EXPECT_EQ(watching.samples_then, std::vector<long>{3000});
        watching.samples_then.clear();
    }
    EXPECT_EQ(maxsize, kMaxWaveSamples);
    WSinstallDialogResponder(&user);
}

}  // namespace

#include "names/window_names.h"
#include "scenario.h"
#include "wave/wave_reader.h"
#include "wave/wave_refusal.h"

namespace {

using wave_builder::pattern;

using Load = Scenario;

// A cancel or a refused file changes nothing on screen or behind it, and a good file
// loaded after them gives what it gives alone.
TEST_F(Load, ACancelOrARefusedFileChangesNothing) {
    const std::string good = file("good.wav", pattern(5000));
    choose("2048");
    load(good);
    const Snapshot alone = snapshot();
    slideTo(700);
    letGo();
    const Snapshot shown = snapshot();

    cancelLoad();
    EXPECT_EQ(snapshot(), shown);
    std::vector<unsigned char> stereo = wave_builder::riff(
        "WAVE", {wave_builder::fmtChunk({.channels = 2}),
                 wave_builder::chunk("data", wave_builder::sampleBytes(pattern(100)))});
    load(dir.write("stereo.wav", stereo));
    EXPECT_EQ(user.takeMessages(),
              (std::vector<WSshownMessage>{
                  {"Sorry, this program is for single-channel only", "120", "120"}}));
    EXPECT_EQ(snapshot(), shown);
    load(dir.path().string() + "/missing.wav");
    EXPECT_EQ(user.takeMessages(), (std::vector<WSshownMessage>{{"file not found", "120", "120"}}));
    EXPECT_EQ(snapshot(), shown);
    load(good);
    EXPECT_EQ(snapshot(), alone);
}

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

#include "scenario.h"
#include "names/window_names.h"

namespace {

using wave_builder::pattern;

using Load = Scenario;

TEST_F(Load, ACancelOrARefusedFileChangesNothingOnScreenOrBehindIt)
{
    load(file("good.wav", pattern(5000)));
    choose("2048");
    slideTo(700);
    letGo();
    const Snapshot shown = snapshot();

    cancelLoad();
    EXPECT_EQ(snapshot(), shown);

    std::vector<unsigned char> stereo = wave_builder::riff(
        "WAVE", {wave_builder::fmt_chunk({.channels = 2}), wave_builder::chunk("data", wave_builder::sample_bytes(pattern(100)))});
    load(dir.write("stereo.wav", stereo));
    EXPECT_EQ(user.takeMessages(),
              (std::vector<WSshownMessage>{{"Sorry, this program is for single-channel only", "120", "120"}}));
    EXPECT_EQ(snapshot(), shown);
    load(dir.path().string() + "/missing.wav");
    EXPECT_EQ(user.takeMessages(), (std::vector<WSshownMessage>{{"file not found", "120", "120"}}));
    EXPECT_EQ(snapshot(), shown);
}

TEST_F(Load, AGoodFileAfterARefusedOneLoadsAsIfAlone)
{
    const std::string good = file("good.wav", pattern(4000));
    load(good);
    const Snapshot alone = snapshot();
    load(dir.write("empty.wav", {}));
    load(good);
    EXPECT_EQ(snapshot(), alone);
}

}  // namespace

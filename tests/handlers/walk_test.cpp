#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/replay_script.h"
#include "fftw_oracle.h"
#include "names/window_names.h"
#include "scenario.h"

namespace {

// A user's walk over a short wave, written as a replay script ("load w.wav" loads the
// row's wave), and what the window shows at its end.
struct Walk {
    std::size_t wave_samples;
    std::string script;
    std::string position;  // the position label
    std::string slider;    // value, minimum, maximum and drag interval
    long spectrum_of;      // where the segment whose spectra are shown starts; -1: no segment
    long segment_at = -1;  // where the segment starts, when not where its spectra are from
};
void PrintTo(const Walk& walk, std::ostream* out) {
    *out << walk.wave_samples << " samples: " << walk.script;
}

class Walks : public Scenario, public testing::WithParamInterface<Walk> {
  protected:
    // The highest row a curve reaches in spectrum view 3 or 4 (388 x 330), the frame's
    // vertical axis left out.
    static int topRow(int number) {
        const std::vector<uint32_t> picture = view(number);
        for (int y = 0; y < 330; ++y) {
            for (int x = 13; x < 377; ++x) {
                if (picture[std::size_t(y) * 388 + x] == 0xff000000u) return y;
            }
        }
        return 330;
    }
    void act(const std::string& line) {
        std::string error;
        const auto action = parseReplayLine(line, error);
        ASSERT_EQ(error, "");
        if (!action) return;
        switch (action->verb) {
            case ReplayVerb::load:
                load((dir.path() / action->argument).string());
                break;
            case ReplayVerb::cancel:
                cancelLoad();
                break;
            case ReplayVerb::size:
                choose(action->argument.c_str());
                break;
            case ReplayVerb::slide:
                slideTo(static_cast<int>(action->slider_value));
                break;
            case ReplayVerb::release:
                letGo();
                break;
            case ReplayVerb::back:
                back();
                break;
            case ReplayVerb::forw:
                forw();
                break;
            case ReplayVerb::key:
                session.key(names::kPositionSlider, action->argument.c_str());
                break;
            default:
                FAIL() << "the walks take no pointer action: " << line;
        }
    }
};

TEST_P(Walks, EndWhereTheRowSays) {
    const Walk& walk = GetParam();
    const std::vector<int16_t> samples = wave_builder::pattern(walk.wave_samples);
    file("w.wav", samples);
    std::istringstream script(walk.script);
    for (std::string line; std::getline(script, line);) act(line);

    EXPECT_EQ(position(), walk.position);
    EXPECT_EQ(sliderValue() + " " + text(names::kPositionSlider, _WSNminimum()) + " " +
                  sliderMaximum() + " " + sliderDrag(),
              walk.slider);
    if (walk.spectrum_of < 0) {
        EXPECT_EQ(seliii, nullptr);
        return;
    }
    ASSERT_NE(seliii, nullptr);
    const long segment_at = walk.segment_at < 0 ? walk.spectrum_of : walk.segment_at;
    const auto from = [&](long start) {
        return std::vector<short>(samples.begin() + start, samples.begin() + start + selsize);
    };
    EXPECT_EQ(segment(), from(segment_at));
    const OracleSpectrum oracle = oracleSpectrum(from(walk.spectrum_of));
    for (long k = 0; k < selsize / 2; ++k) ASSERT_NEAR(power[k], oracle.log_power[k], 1e-9) << k;
    // The largest log power reaches the top margin (row 9), and phases near π almost do on
    // a scale of ±3.2 radians.
    EXPECT_LE(topRow(3), 10);
    EXPECT_LT(topRow(4), 25);
    // The power view's frequency axis has its 1000 Hz tick, and each area shows its view.
    EXPECT_EQ(view(3)[325 * 388 + 27], 0xff000000u);
    const char* areas[] = {names::kWholeWaveArea, names::kSegmentArea, names::kPowerArea,
                           names::kPhaseArea};
    for (int v = 1; v <= 4; ++v) {
        const WSDdev* shown = session.find(areas[v - 1])->getdev();
        EXPECT_EQ(
            std::vector<uint32_t>(shown->bits(), shown->bits() + shown->width() * shown->height()),
            view(v))
            << v;
    }
}

// 6000 samples at the first size, 1024, give positions 0 to 4976 and a drag interval of 99.
// clang-format off
INSTANTIATE_TEST_SUITE_P(ShortWaves, Walks, testing::Values(
    Walk{6000, "load w.wav", "0", "0 0 4976 99", 0},
    Walk{6000, "load w.wav\nslide 300", "300", "300 0 4976 99", 0, 300},
    Walk{6000, "load w.wav\nslide 300\nrelease", "300", "300 0 4976 99", 300},
    Walk{6000, "load w.wav\nslide 4976\nrelease", "4976", "4976 0 4976 99", 4976},
    Walk{6000, "load w.wav\nkey Right", "1", "1 0 4976 99", 1},
    Walk{6000, "load w.wav\nkey End\nkey PageUp", "4976", "4976 0 4976 99", 4976},
    Walk{6000, "load w.wav\nkey End\nkey PageDown\nkey Left", "4876", "4876 0 4976 99", 4876},
    Walk{6000, "load w.wav\nslide 70\nrelease\nkey Home", "0", "0 0 4976 99", 0},
    Walk{6000, "load w.wav\nslide 5\nrelease\nback", "4", "4 0 4976 99", 4},
    Walk{6000, "load w.wav\nback", "0", "0 0 4976 99", 0},
    Walk{6000, "load w.wav\nkey End\nforw", "4976", "4976 0 4976 99", 4976},
    Walk{6000, "load w.wav\nkey End\nforw\nforw\nback", "4975", "4975 0 4976 99", 4975},
    // Choosing the size shown again starts over at 0, through the slider's value change.
    Walk{6000, "load w.wav\nslide 800\nrelease\nsize 1024", "0", "0 0 4976 99", 0},
    Walk{6000, "load w.wav\nsize 512", "0", "0 0 5488 109", 0},
    Walk{9000, "size 4096\nload w.wav", "0", "0 0 4904 98", 0},
    // A wave of exactly N samples has one position.
    Walk{1024, "load w.wav\nforw\nkey End", "0", "0 0 0 0", 0},
    // Shorter than N: a negative range truncated toward zero, and no segment until a size fits.
    Walk{1000, "load w.wav", "0", "0 0 -24 0", -1},
    Walk{1000, "load w.wav\nsize 512", "0", "0 0 488 9", 0},
    Walk{3000, "load w.wav\nsize 4096", "0", "0 0 -1096 -21", -1},
    Walk{3000, "load w.wav\nsize 4096\nsize 2048", "0", "0 0 952 19", 0},
    Walk{2000, "size 4096\nload w.wav\nforw\nback\nkey Right\nslide 9\nrelease", "0", "0 0 -2096 -41", -1},
    // Before any load nothing moves, and of the slider only the minimum reads anything.
    Walk{0, "forw\nback\nkey End\nslide 9\nrelease\nsize 512", "position", " 0  ", -1}));
// clang-format on

}  // namespace

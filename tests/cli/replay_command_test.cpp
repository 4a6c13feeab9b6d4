#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli_window_fixture.h"
#include "names/window_names.h"

namespace {

using namespace wave_builder;
using Strings = std::vector<std::string>;
using Record = nlohmann::json;  // one line of the replay's output

std::string shown(const Record& r, const char* widget, const char* property = "labelString") {
    return r["widgets"][widget]["properties"].value(property, "<absent>");
}
// The information labels, then the slider's value, minimum, maximum and drag interval.
Strings facts(const Record& r) {
    Strings texts;
    for (const char* l : {names::kNameLabel, names::kRateLabel, names::kBitsLabel,
                          names::kPointsLabel, names::kPositionLabel})
        texts.push_back(shown(r, l));
    for (const char* p : {"value", "minimum", "maximum", "dragInterval"})
        texts.push_back(shown(r, names::kPositionSlider, p));
    return texts;
}

class Replay : public testing::Test {
  protected:
    Replay() {
        dir.write("long.wav", monoWave(pattern(30000)));
        dir.write("three thousand.wav", monoWave(pattern(3000)));
        dir.write("stereo.wav", riff("WAVE", {fmtChunk({.channels = 2}), chunk("data", {})}));
    }
    // Runs the script, from the file script.txt in the test's folder, which paths are relative
    // to, or from standard input when args name no script; each line of output is one record.
    std::vector<Record> replay(const std::string& script, Strings args = {"script.txt"}) {
        std::ofstream(dir.path() / "script.txt") << script;
        args.insert(args.begin(), "replay");
        run = cliIn(dir.path(), args, "script.txt");
        std::vector<Record> records;
        std::istringstream lines(run.out);
        for (std::string line; std::getline(lines, line);) records.push_back(Record::parse(line));
        return records;
    }

    TempDir dir;
    CliRun run;
};

// A script from standard input; with --shots, the window after each action.
TEST_F(Replay, ShowsTheNoticeAndTheFactsOfALongFileAndARefusalOrCancelChangesNothing) {
    const std::vector<Record> r =
        replay("# a report\n\ncancel\n  load long.wav  \r\nslide 40\nload stereo.wav\ncancel\n",
               {"--shots", "shots/new", "-"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[1]["step"], 2);
    EXPECT_EQ(r[1]["line"], 4);
    EXPECT_EQ(r[1]["action"], "load long.wav");
    EXPECT_EQ(
        r[1]["messages"].dump(),
        R"([{"text":"Sorry, this program change parameter of wave length","x":"120","y":"120"}])");
    EXPECT_EQ(facts(r[1]), (Strings{"long.wav", "44100Hz", "16bitsPerSamp", "22050", "0", "0", "0",
                                    "21026", "420"}));
    EXPECT_EQ(shown(r[1], names::kSizeBox), "1024");
    EXPECT_EQ(r[1]["widgets"].size(), 17u);
    EXPECT_EQ(r[1]["widgets"][names::kMainWindow]["class"], "WSCmainWindow");
    EXPECT_EQ(r[3]["messages"].dump(),
              R"([{"text":"Sorry, this program is for single-channel only","x":"120","y":"120"}])");
    EXPECT_EQ(r[4]["messages"].dump(), "[]");
    for (const Record& unchanged : {r[3], r[4]}) EXPECT_EQ(unchanged["widgets"], r[2]["widgets"]);
    EXPECT_EQ(shown(r[4], names::kPositionLabel), "40");

    const auto shots = dir.path() / "shots" / "new";
    EXPECT_EQ(namesIn(shots), (Strings{"001.png", "002.png", "003.png", "004.png", "005.png"}));
    const auto shot = [&](const char* name) { return QImage((shots / name).c_str()); };
    EXPECT_EQ(shot("001.png").size(), QSize(800, 600));
    EXPECT_NE(shot("001.png"), shot("002.png"));  // the wave appeared
    EXPECT_NE(shot("002.png"), shot("003.png"));  // the segment moved
    EXPECT_EQ(shot("003.png"), shot("005.png"));  // the refusal and the cancel changed nothing
}

TEST_F(Replay, ThePointerReadsOutMovesTheSegmentAndEachRecordHoldsItsTooltip) {
    struct Step {
        const char* action;
        std::string tooltip;        // its start; "null" for none
        std::string power_caption;  // its start
        const char* position;
    };
    const std::vector<Step> steps = {
        {"load long.wav", "null", "power", "0"},
        {"point 300 400", "null", "power   ", "0"},
        {"leave", "null", "power", "0"},
        {"click 240 60", "sample 3500   79.37 ms   ", "power", "3500"},
        {"drag 240 60 400 60", "sample 9100   206.35 ms   ", "power", "9100"},
        {"point 140 60", "sample 0   0.00 ms   ", "power", "9100"},
        {"load three thousand.wav", "sample 0   0.00 ms   ", "power", "0"},
        {"size 4096", "sample 0   0.00 ms   ", "power", "0"},
        {"point 300 180", "3000 samples: a segment of 4096 does not fit; choose 2048 or less",
         "power", "0"}};
    std::string script;
    for (const Step& step : steps) script += std::string(step.action) + '\n';
    const std::vector<Record> r = replay(script);
    ASSERT_EQ(run.exit_code, 0) << run.err;
    ASSERT_EQ(r.size(), steps.size());
    for (std::size_t i = 0; i < r.size(); ++i) {
        SCOPED_TRACE(steps[i].action);
        EXPECT_EQ(r[i]["tooltip"].is_null()
                      ? "null"
                      : r[i]["tooltip"].get<std::string>().substr(0, steps[i].tooltip.size()),
                  steps[i].tooltip);
        EXPECT_EQ(shown(r[i], names::kPowerCaption).substr(0, 8), steps[i].power_caption);
        EXPECT_EQ(shown(r[i], names::kPositionLabel), steps[i].position);
    }
    EXPECT_EQ(shown(r[3], names::kWholeWaveArea, "overlayBand"), "120,149");
}

}  // namespace

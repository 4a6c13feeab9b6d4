#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <utility>
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

// A script from standard input, one record per action; with --shots, the window after each.
TEST_F(Replay, RecordsWhatEachActionLeavesOnScreen) {
    struct Step {
        const char* action;
        std::string messages;  // their texts
        const char* position;
        std::string tooltip, power_caption;  // their starts; "null": no tooltip
    };
    // clang-format off
    const std::vector<Step> steps = {
        {"cancel", "", "position", "null", "power"},
        {"  load long.wav  \r", "Sorry, this program change parameter of wave length", "0", "null", "power"},
        {"slide 40", "", "40", "null", "power"},
        {"load stereo.wav", "Sorry, this program is for single-channel only", "40", "null", "power"},
        {"cancel", "", "40", "null", "power"},
        {"point 300 400", "", "40", "bin ", "power   "},
        {"forw", "", "41", "bin ", "power   "},  // the shot taken before left the readout
        {"leave", "", "41", "null", "power"},
        {"click 240 60", "", "3500", "sample 3500   79.37 ms   ", "power"},
        {"drag 240 60 400 60", "", "9100", "sample 9100   206.35 ms   ", "power"},
        {"point 30 225", "", "9100", "One sample back", "power"},
        {"resize 1200 900", "", "9100", "One sample back", "power"}};
    // clang-format on
    std::string script = "# a report\n\n";
    for (const Step& step : steps) script += std::string(step.action) + '\n';
    const std::vector<Record> r = replay(script, {"--shots", "shots/new", "-"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    ASSERT_EQ(r.size(), steps.size());
    for (std::size_t i = 0; i < r.size(); ++i) {
        SCOPED_TRACE(steps[i].action);
        EXPECT_EQ(r[i]["step"], i + 1);
        EXPECT_EQ(r[i]["line"], i + 3);
        std::string messages;
        for (const Record& m : r[i]["messages"]) {
            messages += m["text"].get<std::string>();
            EXPECT_EQ(m["x"].get<std::string>() + "," + m["y"].get<std::string>(), "120,120");
        }
        EXPECT_EQ(messages, steps[i].messages);
        EXPECT_EQ(shown(r[i], names::kPositionLabel), steps[i].position);
        EXPECT_EQ(r[i]["tooltip"].is_null()
                      ? "null"
                      : r[i]["tooltip"].get<std::string>().substr(0, steps[i].tooltip.size()),
                  steps[i].tooltip);
        EXPECT_EQ(shown(r[i], names::kPowerCaption).substr(0, 8), steps[i].power_caption);
    }
    EXPECT_EQ(r[1]["action"], "load long.wav");
    EXPECT_EQ(facts(r[1]), (Strings{"long.wav", "44100Hz", "16bitsPerSamp", "22050", "0", "0", "0",
                                    "21026", "420"}));
    EXPECT_EQ(shown(r[1], names::kSizeBox), "1024");
    EXPECT_EQ(r[1]["widgets"].size(), 17u);
    EXPECT_EQ(r[1]["widgets"][names::kMainWindow]["class"], "WSCmainWindow");
    for (const Record& unchanged : {r[3], r[4]}) EXPECT_EQ(unchanged["widgets"], r[2]["widgets"]);
    EXPECT_EQ(shown(r[8], names::kWholeWaveArea, "overlayBand"), "120,149");
    EXPECT_EQ(r[0]["window_size"], Record::parse("[800,600]"));
    EXPECT_EQ(r.back()["window_size"], Record::parse("[1200,900]"));

    const auto shots = dir.path() / "shots" / "new";
    EXPECT_EQ(namesIn(shots),
              (Strings{"001.png", "002.png", "003.png", "004.png", "005.png", "006.png", "007.png",
                       "008.png", "009.png", "010.png", "011.png", "012.png"}));
    const auto shot = [&](const char* name) { return QImage((shots / name).c_str()); };
    EXPECT_EQ(shot("001.png").size(), QSize(800, 600));
    EXPECT_NE(shot("001.png"), shot("002.png"));  // the wave appeared
    EXPECT_NE(shot("002.png"), shot("003.png"));  // the segment moved
    EXPECT_EQ(shot("003.png"), shot("005.png"));  // the refusal and the cancel changed nothing
    EXPECT_EQ(shot("012.png").size(), QSize(1200, 900));
}

// Each record names the reference held, or null; the window saved with the reference's
// difference shown is, byte for byte, what render draws with the same reference.
TEST_F(Replay, RecordsTheReferenceAndRendersItsDifferenceAsRenderDoes) {
    const std::vector<Record> r = replay(
        "load long.wav\nslide 300\nrelease\nreference hold\nreference open three thousand.wav "
        "10\ndifference on\nreference drop\n",
        {"script.txt", "--shots", "shots"});
    ASSERT_EQ(r.size(), 7u) << run.err;
    EXPECT_TRUE(r[2]["reference"].is_null());
    EXPECT_EQ(r[3]["reference"],
              Record::parse(R"({"file":"long.wav","size":1024,"position":300})"));
    EXPECT_EQ(r[5]["reference"],
              Record::parse(R"({"file":"three thousand.wav","size":1024,"position":10})"));
    EXPECT_TRUE(r[6]["reference"].is_null());
    const CliRun render = cliIn(
        dir.path(), {"render", "long.wav", "--position", "300", "--reference", "three thousand.wav",
                     "--reference-position", "10", "--difference", "-o", "render.png"});
    ASSERT_EQ(render.exit_code, 0) << render.err;
    EXPECT_EQ(fileText(dir.path() / "render.png"), fileText(dir.path() / "shots" / "006.png"));
    EXPECT_NE(fileText(dir.path() / "shots" / "005.png"),
              fileText(dir.path() / "shots" / "006.png"));
}

// The power plot at (10, 260), 388 wide (mx = 11, span = 366): the pointer at window x 300
// lies at the fraction t = 279/366 of its width. A wheel's notch or + zooms by 1.25 about the
// frequency there, which stays within half a bin (21.5 Hz at N = 1024) of where it was: at
// f = 22050·t on the whole linear axis, at 43.07·512^t (bin 1 to 22050 Hz) on the
// logarithmic one. A load or a size change gives the whole linear axis back.
TEST_F(Replay, ZoomKeepsThePointersFrequencyUntilTheNextFileOrSize) {
    const std::vector<Record> r = replay(
        "load long.wav\nwheel 300 400 1\nkey Plus\naxis log\nwheel 300 400 2\nsize 2048\n"
        "axis log\nload long.wav\nresize 1200 900\n");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    ASSERT_EQ(r.size(), 9u);
    const double t = 279.0 / 366, bin_hz = 44100.0 / 1024, half_bin_hz = bin_hz / 2;
    const auto range = [&](std::size_t i) {
        return std::pair(r[i]["frequency_range"][0].get<double>(),
                         r[i]["frequency_range"][1].get<double>());
    };
    const auto linearAtPointer = [&](std::size_t i) {
        const auto [low, high] = range(i);
        return low + t * (high - low);
    };
    const auto labels = [&](std::size_t i) {
        std::string texts;
        std::istringstream fields(shown(r[i], names::kPowerArea, "overlayLabels"));
        std::getline(fields, texts, ';');  // the frame
        texts.clear();
        for (std::string field; std::getline(fields, field, ';');)
            texts += field.substr(field.find(':') + 1) + " ";
        return texts;
    };
    for (const std::size_t whole : {0u, 5u, 7u}) {
        EXPECT_EQ(range(whole), std::pair(0.0, 22050.0)) << whole;
        EXPECT_EQ(r[whole]["log_axis"], false) << whole;
    }
    EXPECT_EQ(labels(0), "");  // at 800 x 600, as designed
    EXPECT_NEAR(range(1).second - range(1).first, 22050 / 1.25, 1e-6);
    EXPECT_NEAR(linearAtPointer(1), t * 22050, half_bin_hz);
    EXPECT_NEAR(range(2).second - range(2).first, 22050 / 1.25 / 1.25, 1e-6);
    EXPECT_NEAR(linearAtPointer(2), t * 22050, half_bin_hz);
    // 6051 … 20163 Hz (t·22050 less t of 22050/1.25²): 14112/8 Hz asks for a step of 2000.
    EXPECT_EQ(labels(2), "8k 10k 12k 14k 16k 18k 20k ");
    EXPECT_EQ(r[3]["log_axis"], true);
    EXPECT_EQ(range(3), std::pair(bin_hz, 22050.0));
    EXPECT_EQ(labels(3), "50 100 200 500 1k 2k 5k 10k 20k ");
    const int one_khz_column = int(11 + 366 * std::log(1000 / bin_hz) / std::log(512.0));
    EXPECT_THAT(shown(r[3], names::kPowerArea, "overlayLabels"),
                testing::HasSubstr(";" + std::to_string(one_khz_column) + ":1k;"));
    const auto [low, high] = range(4);
    EXPECT_NEAR(std::log(high / low), std::log(512.0) / 1.25 / 1.25, 1e-9);
    EXPECT_NEAR(low * std::pow(high / low, t), bin_hz * std::pow(512.0, t), half_bin_hz);
    EXPECT_EQ(range(6), std::pair(44100.0 / 2048, 22050.0));
    EXPECT_EQ(labels(8), "5k 10k 15k 20k ");  // taller than at 800 x 600
}

}  // namespace

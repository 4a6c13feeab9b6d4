#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_window_fixture.h"
#include "names/window_names.h"

namespace {

using namespace wave_builder;
using Strings = std::vector<std::string>;

// One line of the replay's output, read with Qt's JSON parser.
using Record = QJsonObject;

std::string shown(const Record& r, const char* widget, const char* property = "labelString") {
    return r["widgets"][widget]["properties"][property].toString("<absent>").toStdString();
}
Strings labels(const Record& r) {
    Strings texts;
    for (const char* l : {names::kNameLabel, names::kRateLabel, names::kBitsLabel,
                          names::kPointsLabel, names::kPositionLabel})
        texts.push_back(shown(r, l));
    return texts;
}
// The slider's value, minimum, maximum and drag interval.
Strings slider(const Record& r) {
    Strings texts;
    for (const char* p : {"value", "minimum", "maximum", "dragInterval"})
        texts.push_back(shown(r, names::kPositionSlider, p));
    return texts;
}
std::string messages(const Record& r) {
    return QJsonDocument(r["messages"].toArray()).toJson(QJsonDocument::Compact).toStdString();
}

class Replay : public testing::Test {
  protected:
    Replay() {
        dir.write("long.wav", monoWave(pattern(30000)));
        dir.write("thousand.wav", monoWave(pattern(1000)));
        dir.write("three thousand.wav", monoWave(pattern(3000)));
        dir.write("w.wav", monoWave(pattern(6000)));
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
        for (std::string line; std::getline(lines, line);) {
            QJsonParseError error;
            records.push_back(
                QJsonDocument::fromJson(QByteArray::fromStdString(line), &error).object());
            EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
        }
        return records;
    }

    TempDir dir;
    CliRun run;
};

TEST_F(Replay, ShowsTheNoticeAndTheFactsOfALongFileAndARefusalOrCancelChangesNothing) {
    const std::vector<Record> r =
        replay("# a report\n\ncancel\n  load long.wav  \r\nslide 40\nload stereo.wav\ncancel\n");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(labels(r[0]),
              (Strings{"name", "sample freq", "bits per sample", "points", "position"}));
    EXPECT_EQ(r[1]["step"].toInt(), 2);
    EXPECT_EQ(r[1]["line"].toInt(), 4);
    EXPECT_EQ(r[1]["action"].toString().toStdString(), "load long.wav");
    EXPECT_EQ(messages(r[1]), R"([{"text":"Sorry, this program change parameter of wave length",)"
                              R"("x":"120","y":"120"}])");
    EXPECT_EQ(labels(r[1]), (Strings{"long.wav", "44100Hz", "16bitsPerSamp", "22050", "0"}));
    EXPECT_EQ(slider(r[1]), (Strings{"0", "0", "21026", "420"}));
    EXPECT_EQ(shown(r[1], names::kSizeBox), "1024");
    EXPECT_EQ(r[1]["widgets"].toObject().size(), 17);
    EXPECT_EQ(r[1]["widgets"][names::kMainWindow]["class"].toString().toStdString(),
              "WSCmainWindow");
    EXPECT_EQ(messages(r[3]), R"([{"text":"Sorry, this program is for single-channel only",)"
                              R"("x":"120","y":"120"}])");
    EXPECT_EQ(messages(r[4]), "[]");
    for (const Record& unchanged : {r[3], r[4]}) EXPECT_EQ(unchanged["widgets"], r[2]["widgets"]);
    EXPECT_EQ(shown(r[4], names::kPositionLabel), "40");
}

TEST_F(Replay, ThePointerReadsOutMovesTheSegmentAndEachRecordHoldsItsTooltip) {
    const std::vector<Record> r = replay(
        "load long.wav\npoint 300 400\nleave\nclick 240 60\ndrag 240 60 400 60\n"
        "point 140 60\nload three thousand.wav\nsize 4096\npoint 300 180\n");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    ASSERT_EQ(r.size(), 9u);
    Strings tooltips, power_captions, positions;
    for (const Record& record : r) {
        tooltips.push_back(record["tooltip"].isNull() ? "null"
                                                      : record["tooltip"].toString().toStdString());
        power_captions.push_back(shown(record, names::kPowerCaption).substr(0, 8));
        positions.push_back(shown(record, names::kPositionLabel));
    }
    const Strings expected_tooltips = {
        "null",
        "null",
        "null",
        "sample 3500   79.37 ms   ",
        "sample 9100   206.35 ms   ",
        "sample 0   0.00 ms   ",
        "sample 0   0.00 ms   ",
        "sample 0   0.00 ms   ",
        "3000 samples: a segment of 4096 does not fit; choose 2048 or less"};
    for (std::size_t i = 0; i < r.size(); ++i) {
        EXPECT_EQ(tooltips[i].substr(0, expected_tooltips[i].size()), expected_tooltips[i]) << i;
    }
    EXPECT_EQ(power_captions, (Strings{"power", "power   ", "power", "power", "power", "power",
                                       "power", "power", "power"}));
    EXPECT_EQ(positions, (Strings{"0", "0", "0", "3500", "9100", "9100", "0", "0", "0"}));
    EXPECT_EQ(shown(r[3], names::kWholeWaveArea, "overlayBand"), "120,149");
}

TEST_F(Replay, ShotsAreTheWindowAfterEachActionOfAScriptFromStandardInput) {
    const std::vector<Record> r =
        replay("cancel\nload w.wav\n# c\nslide 100\n", {"--shots", "shots/new"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(shown(r[2], names::kPositionLabel), "100");
    const auto shots = dir.path() / "shots" / "new";
    EXPECT_EQ(namesIn(shots), (Strings{"001.png", "002.png", "003.png"}));
    const auto shot = [&](const char* name) { return QImage((shots / name).c_str()); };
    EXPECT_EQ(shot("001.png").size(), QSize(800, 600));
    EXPECT_NE(shot("001.png"), shot("002.png"));  // the wave appeared
    EXPECT_NE(shot("002.png"), shot("003.png"));  // the segment moved
}

}  // namespace

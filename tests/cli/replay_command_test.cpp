#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>
#include <ostream>
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
    for (const char* l :
         {names::kNameLabel, names::kRateLabel, names::kBitsLabel, names::kPointsLabel, names::kPositionLabel})
        texts.push_back(shown(r, l));
    return texts;
}
// The slider's maximum and drag interval.
Strings range(const Record& r) {
    return {shown(r, names::kPositionSlider, "maximum"), shown(r, names::kPositionSlider, "dragInterval")};
}
std::string messages(const Record& r) {
    return QJsonDocument(r["messages"].toArray()).toJson(QJsonDocument::Compact).toStdString();
}

class Replay : public testing::Test {
  protected:
    Replay() {
        dir.write("long.wav", mono_wave(pattern(30000)));
        dir.write("thousand.wav", mono_wave(pattern(1000)));
        dir.write("three thousand.wav", mono_wave(pattern(3000)));
        dir.write("w.wav", mono_wave(pattern(6000)));
        dir.write("stereo.wav", riff("WAVE", {fmt_chunk({.channels = 2}), chunk("data", {})}));
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
    EXPECT_EQ(range(r[1]), (Strings{"21026", "420"}));
    EXPECT_EQ(shown(r[1], names::kSizeBox), "1024");
    EXPECT_EQ(r[1]["widgets"].toObject().size(), 17);
    EXPECT_EQ(r[1]["widgets"][names::kMainWindow]["class"].toString().toStdString(), "WSCmainWindow");
    EXPECT_EQ(messages(r[3]), R"([{"text":"Sorry, this program is for single-channel only",)"
                              R"("x":"120","y":"120"}])");
    EXPECT_EQ(messages(r[4]), "[]");
    for (const Record& unchanged : {r[3], r[4]}) EXPECT_EQ(unchanged["widgets"], r[2]["widgets"]);
    EXPECT_EQ(shown(r[4], names::kPositionLabel), "40");
}

// A size larger than the wave gives a negative range, truncated toward zero.
TEST_F(Replay, SizesAgainstShortWavesGiveTheSlidersRanges) {
    const std::vector<Record> r = replay(
        "load thousand.wav\n# smaller\nsize 512\nload three thousand.wav\nsize 4096\nsize 2048\n");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    ASSERT_EQ(r.size(), 5u);
    const std::vector<Strings> ranges = {
        {"-24", "0"}, {"488", "9"}, {"2488", "49"}, {"-1096", "-21"}, {"952", "19"}};
    const int lines[] = {1, 3, 4, 5, 6};
    for (std::size_t i = 0; i < r.size(); ++i) {
        EXPECT_EQ(range(r[i]), ranges[i]) << i;
        EXPECT_EQ(r[i]["step"].toInt(), int(i) + 1);
        EXPECT_EQ(r[i]["line"].toInt(), lines[i]);
    }
}

TEST_F(Replay, SlidingKeysAndStepsMoveThePositionAndTheSameSizeReturnsItToZero) {
    const std::vector<Record> r = replay(
        "load w.wav\nslide 300\nrelease\nsize 1024\nkey End\nforw\nback\nkey PageDown\n"
        "key Left\nkey Home\nback\nkey Right\nkey PageUp\n");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    Strings positions;
    for (const Record& record : r) positions.push_back(shown(record, names::kPositionLabel));
    EXPECT_EQ(positions, (Strings{"0", "300", "300", "0", "4976", "4976", "4975", "4876", "4875",
                                  "0", "0", "1", "100"}));
}

struct BadScript {
    std::string script, error;
    std::size_t records_before;
};
void PrintTo(const BadScript& value, std::ostream* out) {
    *out << "line " << value.error;
}

class ReplayStops : public Replay, public testing::WithParamInterface<BadScript> {};

TEST_P(ReplayStops, AtTheBadLineWithItsNumber) {
    const std::vector<Record> r = replay(GetParam().script);
    EXPECT_EQ(run.exit_code, 64);
    EXPECT_EQ(run.err, "sefaro-cli replay: line " + GetParam().error + "\n");
    EXPECT_EQ(r.size(), GetParam().records_before);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Scripts, ReplayStops, testing::Values(
    BadScript{"cancel\n\njump 3\ncancel\n", "3: unknown action \"jump\"", 1},
    BadScript{"Load w.wav\n", "1: unknown action \"Load\"", 0},
    BadScript{"load  \n", "1: \"load\": load needs a PATH", 0},
    BadScript{"cancel\nsize 1000\n",
              "2: the size box has no item \"1000\" (512, 1024, 2048, 4096)", 1},
    BadScript{"size big\n", "1: \"size big\": size needs a number N", 0},
    BadScript{"slide ten\n", "1: \"slide ten\": slide needs a whole number P", 0},
    BadScript{"slide 3000000000\n", "1: \"slide 3000000000\": slide needs a whole number P", 0},
    BadScript{"key left\n",
              "1: \"key left\": key needs one of Left, Right, PageUp, PageDown, Home, End", 0},
    BadScript{"back 2\n", "1: \"back 2\": this action takes nothing after it", 0},
    BadScript{"point 10\n", "1: \"point 10\": this action needs two whole numbers X Y", 0},
    BadScript{"click 10 y\n", "1: \"click 10 y\": this action needs two whole numbers X Y", 0},
    BadScript{"drag 1 2 3\n", "1: \"drag 1 2 3\": drag needs four whole numbers X1 Y1 X2 Y2", 0},
    BadScript{"leave now\n", "1: \"leave now\": this action takes nothing after it", 0}));
// clang-format on

// Column c of the whole wave of long.wav (22050 samples kept) starts with sample 35·(c − 20);
// the whole wave lies at x = 120, the segment at y = 135, the power plot at (10, 260).
TEST_F(Replay, ThePointerReadsOutMovesTheSegmentAndEachRecordHoldsItsTooltip) {
    const std::vector<Record> r = replay(
        "load long.wav\npoint 300 400\nleave\nclick 240 60\ndrag 240 60 400 60\n"
        "point 140 60\nload three thousand.wav\nsize 4096\npoint 300 180\n");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    ASSERT_EQ(r.size(), 9u);
    Strings tooltips, power_captions, positions;
    for (const Record& record : r) {
        tooltips.push_back(record["tooltip"].isNull() ? "null" : record["tooltip"].toString().toStdString());
        power_captions.push_back(shown(record, names::kPowerCaption).substr(0, 8));
        positions.push_back(shown(record, names::kPositionLabel));
    }
    const Strings expected_tooltips = {
        "null", "null", "null", "sample 3500   79.37 ms   ", "sample 9100   206.35 ms   ", "sample 0   0.00 ms   ",
        "sample 0   0.00 ms   ", "sample 0   0.00 ms   ",
        "3000 samples: a segment of 4096 does not fit; choose 2048 or less"};
    for (std::size_t i = 0; i < r.size(); ++i) {
        EXPECT_EQ(tooltips[i].substr(0, expected_tooltips[i].size()), expected_tooltips[i]) << i;
    }
    EXPECT_EQ(power_captions, (Strings{"power", "power   ", "power", "power", "power", "power", "power", "power", "power"}));
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

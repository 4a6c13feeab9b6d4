#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "folder_names.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "support/wave_builder.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;
using wave_builder::pattern;

// One record of the replay's output, read with Qt's JSON parser.
struct Record {
    QJsonObject json;

    long step() const { return json["step"].toInt(); }
    long line() const { return json["line"].toInt(); }
    std::string action() const { return json["action"].toString().toStdString(); }
    std::string property(const char* widget, const char* name) const {
        const QJsonValue value = json["widgets"][widget]["properties"][name];
        return value.isString() ? value.toString().toStdString() : "<absent>";
    }
    std::string label(const char* widget) const { return property(widget, "labelString"); }
    std::string position() const { return label("newvlab_013"); }
    std::string maximum() const { return property("newvsli_000", "maximum"); }
    std::string drag() const { return property("newvsli_000", "dragInterval"); }
    std::vector<std::string> labels() const {
        return {label("newvlab_000"), label("newvlab_005"), label("newvlab_011"),
                label("newvlab_012"), position()};
    }
    std::vector<std::vector<std::string>> messages() const {
        std::vector<std::vector<std::string>> out;
        for (const QJsonValue m : json["messages"].toArray()) {
            out.push_back({m["text"].toString().toStdString(), m["x"].toString().toStdString(),
                           m["y"].toString().toStdString()});
        }
        return out;
    }
};

class Replay : public testing::Test {
  protected:
    std::string wave(const std::string& name, std::size_t samples) {
        return dir.write(name, wave_builder::mono_wave(pattern(samples)));
    }
    // Runs the script from a file; every line of stdout must be one JSON object.
    std::vector<Record> replay(const std::string& script, std::vector<std::string> extra = {}) {
        std::ofstream(dir.path() / "script.txt") << script;
        std::vector<std::string> args = {"replay", (dir.path() / "script.txt").string()};
        args.insert(args.end(), extra.begin(), extra.end());
        run = runProgram(SEFARO_CLI, args, dir.path());
        return records(run.out);
    }
    static std::vector<Record> records(const std::string& out) {
        std::vector<Record> result;
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);) {
            QJsonParseError error;
            const QJsonDocument document =
                QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
            EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
            result.push_back({document.object()});
        }
        return result;
    }

    TempDir dir;
    CliRun run;
};

TEST_F(Replay, ALongFileShowsItsNoticeAtTheDialogsPlaceAndItsFacts) {
    const std::vector<Record> r = replay("load " + wave("long.wav", 30000) + "\n");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].step(), 1);
    EXPECT_EQ(r[0].line(), 1);
    EXPECT_EQ(r[0].messages(),
              (std::vector<std::vector<std::string>>{
                  {"Sorry, this program change parameter of wave length", "120", "120"}}));
    EXPECT_EQ(r[0].labels(),
              (std::vector<std::string>{"long.wav", "44100Hz", "16bitsPerSamp", "22050", "0"}));
    EXPECT_EQ(r[0].maximum(), "21026");
    EXPECT_EQ(r[0].drag(), "420");
    EXPECT_EQ(r[0].property("newvsli_000", "value"), "0");
    EXPECT_EQ(r[0].property("newvsli_000", "minimum"), "0");
    EXPECT_EQ(r[0].label("newcomb_000"), "1024");
    EXPECT_EQ(r[0].json["widgets"].toObject().size(), 17);
    EXPECT_EQ(r[0].json["widgets"]["newwin000"]["class"].toString(), "WSCmainWindow");
    EXPECT_EQ(r[0].property("newwin000", "titleString"), "Sefaro");
}

TEST_F(Replay, SizesAgainstShortWavesGiveTheSlidersRanges) {
    const std::vector<Record> r =
        replay("load " + wave("thousand.wav", 1000) + "\nsize 512\n" + "load " +
               wave("three thousand.wav", 3000) + "\nsize 4096\nsize 2048\n");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    ASSERT_EQ(r.size(), 5u);
    const std::vector<std::pair<std::string, std::string>> ranges = {
        {"-24", "0"}, {"488", "9"}, {"2488", "49"}, {"-1096", "-21"}, {"952", "19"}};
    for (std::size_t i = 0; i < r.size(); ++i) {
        EXPECT_EQ(std::make_pair(r[i].maximum(), r[i].drag()), ranges[i]) << r[i].action();
    }
    EXPECT_EQ(r[0].label("newvlab_012"), "1000");
    EXPECT_EQ(r[2].label("newvlab_000"), "three thousand.wav");
    EXPECT_EQ(r[2].label("newcomb_000"), "512");  // a new file keeps the size in the box
}

TEST_F(Replay, SlidingMovesThePositionAndChoosingTheSameSizeReturnsItToZero) {
    const std::vector<Record> r =
        replay("load " + wave("w.wav", 6000) + "\nslide 300\nrelease\nsize 1024\n");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[1].position(), "300");
    EXPECT_EQ(r[1].property("newvsli_000", "value"), "300");
    EXPECT_EQ(r[2].position(), "300");
    EXPECT_EQ(r[3].position(), "0");
    EXPECT_EQ(r[3].property("newvsli_000", "value"), "0");
}

TEST_F(Replay, KeysAndStepButtonsMoveThePosition) {
    const std::vector<Record> r =
        replay("load " + wave("w.wav", 6000) +
               "\nkey End\nforw\nback\nkey PageDown\nkey Left\nkey Home\nback\nkey Right\n");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    std::vector<std::string> positions;
    for (const Record& record : r) positions.push_back(record.position());
    EXPECT_EQ(positions, (std::vector<std::string>{"0", "4976", "4976", "4975", "4876", "4875", "0",
                                                   "0", "1"}));
}

TEST_F(Replay, ARefusedFileOrACancelChangesNothing) {
    const std::string stereo = dir.write(
        "stereo.wav", wave_builder::riff("WAVE", {wave_builder::fmt_chunk({.channels = 2}),
                                                  wave_builder::chunk("data", {})}));
    const std::vector<Record> r =
        replay("load " + wave("w.wav", 6000) + "\nslide 40\nload " + stereo + "\ncancel\n");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[2].messages(),
              (std::vector<std::vector<std::string>>{
                  {"Sorry, this program is for single-channel only", "120", "120"}}));
    EXPECT_EQ(r[2].json["widgets"], r[1].json["widgets"]);
    EXPECT_TRUE(r[3].messages().empty());
    EXPECT_EQ(r[3].json["widgets"], r[1].json["widgets"]);
    EXPECT_EQ(r[3].labels(),
              (std::vector<std::string>{"w.wav", "44100Hz", "16bitsPerSamp", "6000", "40"}));
}

TEST_F(Replay, BeforeAnyFileTheWindowShowsItsStartingTexts) {
    const std::vector<Record> r = replay("cancel\nslide 10\nforw\nsize 4096\n");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0].labels(), (std::vector<std::string>{"name", "sample freq", "bits per sample",
                                                       "points", "position"}));
    EXPECT_EQ(r[2].json["widgets"], r[0].json["widgets"]);
    EXPECT_EQ(r[3].label("newcomb_000"), "4096");
    EXPECT_EQ(r[3].position(), "position");
    EXPECT_EQ(r[3].maximum(), "");
}

TEST_F(Replay, CommentsAndBlankLinesCountAsLinesButNotAsActions) {
    const std::vector<Record> r =
        replay("# a report\n\n  load " + wave("w.wav", 6000) + "  \r\n   \n#x\nslide 5\n");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].step(), 1);
    EXPECT_EQ(r[0].line(), 3);
    EXPECT_EQ(r[0].action(), "load " + (dir.path() / "w.wav").string());
    EXPECT_EQ(r[1].step(), 2);
    EXPECT_EQ(r[1].line(), 6);
    EXPECT_EQ(r[1].action(), "slide 5");
}

struct BadScript {
    const char* name;
    std::string script;
    std::string error;
    std::size_t records_before;
};
void PrintTo(const BadScript& value, std::ostream* out) {
    *out << value.name;
}

class ReplayStops : public Replay, public testing::WithParamInterface<BadScript> {};

TEST_P(ReplayStops, AtTheBadLineWithItsNumber) {
    const std::vector<Record> r = replay(GetParam().script);
    EXPECT_EQ(run.exit_code, 64);
    EXPECT_EQ(run.err, "sefaro-cli replay: " + GetParam().error + "\n");
    EXPECT_EQ(r.size(), GetParam().records_before);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ReplayStops,
    testing::Values(
        BadScript{"unknown", "cancel\n\njump 3\ncancel\n", "line 3: unknown action \"jump\"", 1},
        BadScript{"malformed", "slide ten\n", "line 1: \"slide ten\": slide needs a whole number P",
                  0},
        BadScript{"size_not_in_the_box", "cancel\nsize 1000\n",
                  "line 2: the size box has no item \"1000\" (512, 1024, 2048, 4096)", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Replay, ShotsAreTheWindowAfterEachAction) {
    const std::vector<Record> r =
        replay("cancel\nload " + wave("w.wav", 6000) + "\n# c\nslide 100\n",
               {"--shots", (dir.path() / "shots" / "new").string()});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(namesIn(dir.path() / "shots" / "new"),
              (std::vector<std::string>{"001.png", "002.png", "003.png"}));
    const auto shot = [&](const char* name) {
        return QImage(QString::fromStdString((dir.path() / "shots" / "new" / name).string()));
    };
    EXPECT_EQ(shot("001.png").size(), QSize(800, 600));
    EXPECT_NE(shot("001.png"), shot("002.png"));  // the wave appeared
    EXPECT_NE(shot("002.png"), shot("003.png"));  // the segment moved
}

TEST_F(Replay, ReadsStandardInputWhenNoScriptIsGiven) {
    std::ofstream(dir.path() / "actions") << "load " + wave("w.wav", 6000) + "\nforw\n";
    const CliRun r = runProgram("/bin/sh",
                                {"-c", shellQuoted(SEFARO_CLI) + " replay < " +
                                           shellQuoted((dir.path() / "actions").string())},
                                dir.path());
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const std::vector<Record> rs = records(r.out);
    ASSERT_EQ(rs.size(), 2u);
    EXPECT_EQ(rs[1].position(), "1");
}

TEST_F(Replay, AScriptOrAShotsFolderThatCannotBeUsedFailsAtOnce) {
    replay("cancel\n", {"--shots", wave("file.wav", 10)});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_THAT(run.err, HasSubstr("cannot write shots into"));
    EXPECT_EQ(run.out, "");

    run = runProgram(SEFARO_CLI, {"replay", (dir.path() / "no script").string()}, dir.path());
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_THAT(run.err,
                HasSubstr("cannot read " + (dir.path() / "no script").string() + ": No such file"));
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);

    run = runProgram(SEFARO_CLI, {"replay", "a", "b"}, dir.path());
    EXPECT_EQ(run.exit_code, 64);
}

}  // namespace

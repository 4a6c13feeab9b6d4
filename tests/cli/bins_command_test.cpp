#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/bin_report.h"
#include "cli_window_fixture.h"

namespace {

using testing::HasSubstr;
using wave_builder::pattern;

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> splitFields(const std::string& row) {
    std::vector<std::string> fields;
    std::istringstream in(row);
    for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
    return fields;
}

struct Segment {
    const char* name;
    const char* size;
    int position;
    const char* format;
    bool size_after_load;  // the other order a user may take
};
void PrintTo(const Segment& value, std::ostream* out) {
    *out << value.name;
}

class SpectrumMatchesTheWindow : public CliAndWindow,
                                 public testing::WithParamInterface<Segment> {};

TEST_P(SpectrumMatchesTheWindow, ToTheLastDigit) {
    const Segment& s = GetParam();
    const std::string path = file("mix.wav", pattern(9000));
    const CliRun r = cli({"spectrum", path, "--size", s.size, "--position",
                          std::to_string(s.position), "--format", s.format});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");

    if (!s.size_after_load) choose(s.size);
    load(path);
    if (s.size_after_load) choose(s.size);
    slideTo(s.position);
    letGo();
    ASSERT_EQ(position(), std::to_string(s.position));
    const SpectrumReport shown = currentSpectrumReport();
    ASSERT_EQ(shown.log_power.size(), std::stoul(s.size) / 2);
    EXPECT_EQ(r.out, std::string(s.format) == "json" ? spectrumJson(shown) : spectrumCsv(shown));
}

INSTANTIATE_TEST_SUITE_P(
    Segments, SpectrumMatchesTheWindow,
    testing::Values(Segment{"defaults_at_start", "1024", 0, "csv", false},
                    Segment{"small_inside", "512", 1234, "csv", false},
                    Segment{"large_at_the_end", "4096", 9000 - 4096, "csv", false},
                    Segment{"size_chosen_after_loading", "2048", 4321, "csv", true},
                    Segment{"json", "2048", 4321, "json", false}),
    [](const auto& info) { return std::string(info.param.name); });

// The same function prints both sides above; here the printed numbers are read back and
// must be the window's doubles bit for bit, and the frequencies k · 44100 / N.
TEST_F(CliAndWindow, CsvReadsBackToTheWindowsSpectraExactly) {
    const std::string path = file("mix.wav", pattern(5000));
    const CliRun r = cli({"spectrum", path, "--size", "512", "--position", "77"});
    ASSERT_EQ(r.exit_code, 0) << r.err;

    choose("512");
    load(path);
    slideTo(77);
    letGo();
    const std::vector<std::string> lines = splitLines(r.out);
    ASSERT_EQ(lines.size(), 257u);
    EXPECT_EQ(lines[0], "bin,frequency_hz,log_power,phase_rad");
    for (int k = 0; k < 256; ++k) {
        const std::vector<std::string> fields = splitFields(lines[k + 1]);
        ASSERT_EQ(fields.size(), 4u) << lines[k + 1];
        EXPECT_EQ(fields[0], std::to_string(k));
        EXPECT_EQ(std::strtod(fields[1].c_str(), nullptr), k * 44100.0 / 512) << k;
        EXPECT_EQ(std::strtod(fields[2].c_str(), nullptr), power[k]) << k;
        EXPECT_EQ(std::strtod(fields[3].c_str(), nullptr), phase[k]) << k;
    }
}

TEST_F(CliAndWindow, JsonHoldsTheFileFactsAndTheArrays) {
    const std::string path = file("mix \"1\".wav", pattern(30000));
    const CliRun r =
        cli({"spectrum", path, "--format", "json", "--size", "2048", "--position", "100"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(lineCount(r.out), 1u);

    QJsonParseError error;
    const QJsonObject o =
        QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(o["name"].toString().toStdString(), "mix \"1\".wav");
    EXPECT_EQ(o["rate"].toInt(), 44100);
    EXPECT_EQ(o["bits"].toInt(), 16);
    EXPECT_EQ(o["points"].toInt(), 22050);
    EXPECT_EQ(o["size"].toInt(), 2048);
    EXPECT_EQ(o["position"].toInt(), 100);
    choose("2048");
    load(path);
    slideTo(100);
    letGo();
    for (const char* array : {"frequency_hz", "log_power", "phase_rad"})
        ASSERT_EQ(o[array].toArray().size(), 1024) << array;
    for (int k = 0; k < 1024; ++k) {
        EXPECT_EQ(o["frequency_hz"][k].toDouble(), k * 44100.0 / 2048) << k;
        EXPECT_EQ(o["log_power"][k].toDouble(), power[k]) << k;
        EXPECT_EQ(o["phase_rad"][k].toDouble(), phase[k]) << k;
    }
}

class SpectrumOfATone : public testing::TestWithParam<int> {
  protected:
    TempDir dir;
};

// A tone that falls on a bin of every size: 60 · 44100 / 1024 Hz.
TEST_P(SpectrumOfATone, PeaksAtTheTonesBin) {
    constexpr double kToneHz = 60 * 44100.0 / 1024;
    const int size = GetParam();
    const std::string path =
        dir.write("tone.wav", wave_builder::mono_wave(sine(kToneHz, 10000, 22050)));
    const CliRun r = runProgram(
        SEFARO_CLI, {"spectrum", path, "--size", std::to_string(size), "--position", "3000"},
        dir.path());
    ASSERT_EQ(r.exit_code, 0) << r.err;

    const std::vector<std::string> lines = splitLines(r.out);
    ASSERT_EQ(lines.size(), std::size_t(size / 2 + 1));
    int peak_bin = -1;
    double peak = -1;
    std::string peak_frequency;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> fields = splitFields(lines[i]);
        const double log_power = std::strtod(fields[2].c_str(), nullptr);
        if (log_power > peak) {
            peak = log_power;
            peak_bin = std::stoi(fields[0]);
            peak_frequency = fields[1];
        }
    }
    EXPECT_EQ(peak_bin, 60 * size / 1024);
    EXPECT_EQ(std::strtod(peak_frequency.c_str(), nullptr), kToneHz);
    // Hamming-windowed amplitude 10000 at one bin: |X/N| = 0.54 · 10000 / 2.
    EXPECT_NEAR(peak, std::log1p(2700.0 * 2700.0), 0.02);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SpectrumOfATone, testing::Values(512, 1024, 2048, 4096));

class SpectrumCommand : public testing::Test {
  protected:
    CliRun cli(const std::vector<std::string>& args) {
        return runProgram(SEFARO_CLI, args, dir.path());
    }
    TempDir dir;
};

TEST_F(SpectrumCommand, ALongFileIsCutWithItsNoticeOnStderrAndAnswered) {
    const CliRun r =
        cli({"spectrum", dir.write("long.wav", wave_builder::mono_wave(pattern(30000))),
             "--position", "21026"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.err, "Sorry, this program change parameter of wave length\n");
    EXPECT_EQ(lineCount(r.out), 513u);
}

struct Failure {
    const char* name;
    std::vector<std::string> args;  // after "spectrum"; FILE stands for a 3000-sample file
    int exit_code;
    std::string error_part;
};
void PrintTo(const Failure& value, std::ostream* out) {
    *out << value.name;
}

class SpectrumFailure : public SpectrumCommand, public testing::WithParamInterface<Failure> {};

TEST_P(SpectrumFailure, GivesOneLineOnStderrAndNothingOnStdout) {
    const std::string wave = dir.write("short.wav", wave_builder::mono_wave(pattern(3000)));
    std::vector<std::string> args = {"spectrum"};
    for (const std::string& a : GetParam().args) args.push_back(a == "FILE" ? wave : a);
    const CliRun r = cli(args);
    EXPECT_EQ(r.exit_code, GetParam().exit_code);
    EXPECT_EQ(r.out, "");
    EXPECT_THAT(r.err, HasSubstr(GetParam().error_part));
    EXPECT_EQ(lineCount(r.err), 1u) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, SpectrumFailure,
    testing::Values(
        Failure{"no_file", {}, 64, "FILE is missing"},
        Failure{"two_files", {"FILE", "FILE"}, 64, "give one FILE only"},
        Failure{"size_not_an_item",
                {"FILE", "--size", "1000"},
                64,
                "is not one of 512, 1024, 2048, 4096"},
        Failure{"position_not_a_number", {"FILE", "--position", "1e3"}, 64, "not a whole number"},
        Failure{"format_unknown", {"FILE", "--format", "xml"}, 64, "is not csv or json"},
        Failure{"option_unknown", {"FILE", "--window", "hann"}, 64, "unknown option --window"},
        Failure{"option_without_value", {"FILE", "--size"}, 64, "needs a value"},
        Failure{"position_past_the_range", {"FILE", "--position", "1977"}, 64, "outside 0 to 1976"},
        Failure{"position_negative", {"FILE", "--position", "-1"}, 64, "outside 0 to 1976"},
        Failure{"file_shorter_than_the_size",
                {"FILE", "--size", "4096"},
                64,
                "has 3000 samples, fewer than the size 4096; sizes that fit: 512, 1024, 2048"},
        Failure{"missing_file", {"no such.wav"}, 2, "file not found"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpectrumCommand, ARefusedFileGivesTheReadersMessageAlone) {
    const auto stereo = wave_builder::riff(
        "WAVE", {wave_builder::fmt_chunk({.channels = 2}),
                 wave_builder::chunk("data", wave_builder::sample_bytes(pattern(5000)))});
    const CliRun r = cli({"spectrum", dir.write("stereo.wav", stereo)});
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Sorry, this program is for single-channel only\n");
}

}  // namespace

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli_window_fixture.h"
#include "names/window_names.h"

namespace {

using wave_builder::pattern;

// One printed row: frequency, log power and phase, read back as numbers.
using Bin = std::array<double, 3>;

std::vector<Bin> readCsv(const std::string& out) {
    std::vector<Bin> bins;
    std::istringstream lines(out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "bin,frequency_hz,log_power,phase_rad");
    for (int k = 0; std::getline(lines, line); ++k) {
        Bin b{};
        int bin = -1;
        EXPECT_EQ(std::sscanf(line.c_str(), "%d,%lf,%lf,%lf", &bin, &b[0], &b[1], &b[2]), 4)
            << line;
        EXPECT_EQ(bin, k);
        bins.push_back(b);
    }
    return bins;
}

struct Segment {
    const char* name;
    std::vector<std::string> options;
    long size, position;  // as the options say, or the defaults
    std::size_t samples;
    bool size_after_load;  // the other order a user may take
};

class SpectrumMatchesTheWindow : public CliAndWindow,
                                 public testing::WithParamInterface<Segment> {};

// The numbers printed read back to the window's own doubles, bit for bit.
TEST_P(SpectrumMatchesTheWindow, ToTheLastDigit) {
    const Segment& s = GetParam();
    const std::string path = file("mix \"1\".wav", pattern(s.samples));
    std::vector<std::string> args = {"spectrum"};
    args.insert(args.end(), s.options.begin(), s.options.end());
    args.insert(args.end(), {"--", "mix \"1\".wav"});
    const CliRun r = cli(args);
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err,
              s.samples > 22050 ? "Sorry, this program change parameter of wave length\n" : "");

    const std::string size = std::to_string(s.size);
    if (!s.size_after_load) choose(size.c_str());
    load(path);
    if (s.size_after_load) choose(size.c_str());
    slideTo(int(s.position));
    letGo();
    ASSERT_EQ(selsize, s.size);
    std::vector<Bin> printed, shown;
    for (long k = 0; k < s.size / 2; ++k)
        shown.push_back({double(k) * 44100.0 / double(s.size), power[k], phase[k]});
    if (std::ranges::count(s.options, "json")) {
        EXPECT_EQ(lineCount(r.out), 1u);
        QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).object();
        const QJsonArray f = o.take("frequency_hz").toArray(), p = o.take("log_power").toArray(),
                         ph = o.take("phase_rad").toArray();
        ASSERT_TRUE(f.size() == p.size() && p.size() == ph.size());
        for (qsizetype k = 0; k < f.size(); ++k)
            printed.push_back({f[k].toDouble(), p[k].toDouble(), ph[k].toDouble()});
        EXPECT_EQ(QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString(),
                  R"({"bits":16,"name":"mix \"1\".wav","points":22050,"position":100,)"
                  R"("rate":44100,"size":2048})");
    } else {
        printed = readCsv(r.out);
    }
    EXPECT_EQ(printed, shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Segments, SpectrumMatchesTheWindow, testing::Values(
    Segment{"defaults", {}, 1024, 0, 9000, false},
    Segment{"small_inside", {"--size", "512", "--position=1234", "--format", "csv"},
            512, 1234, 9000, false},
    Segment{"at_the_end_of_a_cut_file", {"--size", "4096", "--position", "17954"},
            4096, 17954, 30000, false},
    Segment{"size_chosen_after_loading", {"--size=2048", "--position", "4321"},
            2048, 4321, 9000, true},
    Segment{"json", {"--format", "json", "--size", "2048", "--position", "100"},
            2048, 100, 30000, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

class PeaksOfTheTwoTones : public CliAndWindow, public testing::WithParamInterface<long> {};

// The sample of 440 Hz and a quieter 2500 Hz: both named, strongest first, within a fiftieth
// of a bin.
TEST_P(PeaksOfTheTwoTones, NameBothTonesWithinAFiftiethOfABin) {
    const long size = GetParam();
    const std::string sample = SAMPLES_DIR "/two-tones.wav";
    const CliRun r = cli({"peaks", sample, "--size", std::to_string(size), "--count", "2"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    std::istringstream lines(r.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "rank,bin,frequency_hz,log_power,phase_rad");
    const double tones_hz[] = {440, 2500};
    std::vector<double> printed_hz;
    for (int rank = 1; std::getline(lines, line); ++rank) {
        int got_rank = 0;
        long bin = 0;
        double frequency_hz = 0, log_power = 0, phase_rad = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "%d,%ld,%lf,%lf,%lf", &got_rank, &bin, &frequency_hz,
                              &log_power, &phase_rad),
                  5)
            << line;
        EXPECT_EQ(got_rank, rank);
        ASSERT_LE(rank, 2);
        EXPECT_NEAR(frequency_hz * double(size) / 44100.0,
                    tones_hz[rank - 1] * double(size) / 44100.0, 0.02);
        printed_hz.push_back(frequency_hz);
    }
    EXPECT_EQ(printed_hz.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PeaksOfTheTwoTones, testing::ValuesIn(names::kSegmentSizes));

TEST_F(CliAndWindow, PeaksInJsonAreTheSpectrumsObjectWithAPeaksArray) {
    file("tone.wav", sine(60 * 44100.0 / 1024, 10000, 5000));
    const CliRun r =
        cli({"peaks", "tone.wav", "--count", "1", "--format", "json", "--position", "7"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(lineCount(r.out), 1u);
    QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).object();
    const QJsonArray peaks = o.take("peaks").toArray();
    EXPECT_EQ(
        QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString(),
        R"({"bits":16,"name":"tone.wav","points":5000,"position":7,"rate":44100,"size":1024})");
    ASSERT_EQ(peaks.size(), 1);
    const QJsonObject peak = peaks[0].toObject();
    EXPECT_EQ(peak["rank"].toInt(), 1);
    EXPECT_EQ(peak["bin"].toInt(), 60);
    EXPECT_NEAR(peak["frequency_hz"].toDouble(), 60 * 44100.0 / 1024, 1e-6);
    EXPECT_TRUE(peak.contains("log_power") && peak.contains("phase_rad"));
}

}  // namespace

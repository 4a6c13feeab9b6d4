#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli_window_fixture.h"
#include "names/window_names.h"

namespace {

using wave_builder::pattern;
using wave_builder::sine;
using Numbers = std::vector<double>;

// The rows of a CSV after its header, every field read back as a number.
std::vector<Numbers> csvRows(const std::string& out, const std::string& header) {
    std::istringstream lines(out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, header);
    std::vector<Numbers> rows;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        rows.emplace_back();
        for (std::string field; std::getline(fields, field, ',');)
            rows.back().push_back(std::stod(field));
    }
    return rows;
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
    std::vector<Numbers> printed, shown;
    for (long k = 0; k < s.size / 2; ++k)
        shown.push_back({double(k), double(k) * 44100.0 / double(s.size), power[k], phase[k]});
    if (std::ranges::count(s.options, "json")) {
        EXPECT_EQ(lineCount(r.out), 1u);
        nlohmann::json o = nlohmann::json::parse(r.out);
        for (std::size_t k = 0; k < o["log_power"].size(); ++k) {
            printed.push_back(
                {double(k), o["frequency_hz"][k], o["log_power"][k], o["phase_rad"][k]});
        }
        for (const char* key : {"frequency_hz", "log_power", "phase_rad"}) o.erase(key);
        EXPECT_EQ(o.dump(), R"({"bits":16,"name":"mix \"1\".wav","points":22050,"position":100,)"
                            R"("rate":44100,"size":2048})");
    } else {
        printed = csvRows(r.out, "bin,frequency_hz,log_power,phase_rad");
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

// The sample of 440 Hz at 12000 and 2500 Hz at 5000: exactly these two tones, strongest
// first, within a thousandth of a bin and 0.01 dB of 20·log10(A/32767); the JSON form holds
// the same peaks. With --all, every bin of the window's log power larger than both
// neighbours, strongest first.
TEST_P(PeaksOfTheTwoTones, NameBothTonesAndNothingElse) {
    const long size = GetParam();
    const std::string header =
        "rank,bin,frequency_hz,log_power,phase_rad,level_dbfs,amplitude,frequency_error_hz";
    std::vector<std::string> args = {"peaks", SAMPLES_DIR "/two-tones.wav", "--size",
                                     std::to_string(size)};
    const CliRun csv = cli(args);
    ASSERT_EQ(csv.exit_code, 0) << csv.err;
    const std::vector<Numbers> rows = csvRows(csv.out, header);
    ASSERT_EQ(rows.size(), 2u);
    const double tones_hz[] = {440, 2500}, amplitudes[] = {12000, 5000};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][0], double(i + 1));
        EXPECT_NEAR((rows[i][2] - tones_hz[i]) * double(size) / 44100.0, 0, 1e-3);
        EXPECT_NEAR(rows[i][5], 20 * std::log10(amplitudes[i] / 32767), 0.01);
        EXPECT_NEAR(rows[i][6], amplitudes[i], amplitudes[i] * 1e-3);
    }
    std::vector<std::string> json_args = args;
    json_args.insert(json_args.end(), {"--format", "json"});
    std::vector<Numbers> peaks;
    const nlohmann::json json = nlohmann::json::parse(cli(json_args).out);
    for (const nlohmann::json& p : json.at("peaks")) {
        peaks.push_back({p["rank"], p["bin"], p["frequency_hz"], p["log_power"], p["phase_rad"],
                         p["level_dbfs"], p["amplitude"], p["frequency_error_hz"]});
    }
    EXPECT_EQ(peaks, rows);

    args.insert(args.end(), {"--all", "--count", std::to_string(size / 2)});
    const std::vector<Numbers> all = csvRows(cli(args).out, header);
    choose(std::to_string(size).c_str());
    load(SAMPLES_DIR "/two-tones.wav");
    std::vector<std::pair<double, long>> maxima;
    for (long k = 1; k + 1 < size / 2; ++k) {
        if (power[k] > power[k - 1] && power[k] > power[k + 1]) maxima.push_back({-power[k], k});
    }
    std::sort(maxima.begin(), maxima.end());
    ASSERT_EQ(all.size(), maxima.size());
    for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(all[i][1], double(maxima[i].second));
}

INSTANTIATE_TEST_SUITE_P(Sizes, PeaksOfTheTwoTones, testing::ValuesIn(names::kSegmentSizes));

}  // namespace

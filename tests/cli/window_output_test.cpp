#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>
#include <nlohmann/json.hpp>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "cli/peak_report.h"
#include "cli/segment_computation.h"
#include "cli_window_fixture.h"
#include "names/window_names.h"
#include "support/fftw_dft.h"
#include "wave/wave_reader.h"

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

// A printed log power and phase against the bin's value worked out independently: the log
// power within 1e-12 of itself, the phase modulo 2π where the power is at least 1e-12.
void expectBin(double log_power, double phase_rad, std::complex<double> bin) {
    const double expected = std::log1p(std::norm(bin));
    EXPECT_NEAR(log_power, expected, 1e-12 * std::max(expected, 1.0));
    if (std::norm(bin) < 1e-12) return;
    EXPECT_NEAR(std::remainder(phase_rad - std::arg(bin), 2 * std::numbers::pi), 0, 1e-6);
}

// The samples of a 16-bit mono file with the plain 44-byte header that the samples' generator
// writes, read without the program's reader.
std::vector<int16_t> sampleFile(const std::string& path) {
    const std::string bytes = fileText(path);
    std::vector<int16_t> samples((bytes.size() - 44) / 2);
    std::memcpy(samples.data(), bytes.data() + 44, samples.size() * 2);
    return samples;
}

const std::string kMix = "mix \"1\".wav";  // a name to quote in every form

struct Segment {
    const char* name;
    std::vector<std::string> args;
    long size, position;  // as the arguments say, or the defaults
    std::size_t samples;
};

class SpectrumMatchesFftw : public CliAndWindow, public testing::WithParamInterface<Segment> {};

// Every column of every bin against the transform worked out by FFTW from the file's own
// samples: the bin, its frequency k·44100/N, ln(1 + |X_k|²) and the phase (modulo 2π, for
// bins with a power to have one).
TEST_P(SpectrumMatchesFftw, InEveryColumn) {
    const Segment& s = GetParam();
    const std::vector<int16_t> samples = pattern(s.samples);
    file(kMix, samples);
    const CliRun r = cli(s.args);
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const std::string notice = "Sorry, this program change parameter of wave length\n";
    EXPECT_EQ(r.err, s.samples > 22050 ? "sefaro-cli: " + s.args.back() + ": " + notice : "");

    std::vector<Numbers> printed;
    if (std::ranges::count(s.args, "json")) {
        EXPECT_EQ(lineCount(r.out), 1u);
        nlohmann::json o = nlohmann::json::parse(r.out);
        for (std::size_t k = 0; k < o["log_power"].size(); ++k)
            printed.push_back(
                {double(k), o["frequency_hz"][k], o["log_power"][k], o["phase_rad"][k]});
        for (const char* key : {"frequency_hz", "log_power", "phase_rad"}) o.erase(key);
        EXPECT_EQ(o.dump(), R"({"bits":16,"name":"mix \"1\".wav","points":22050,"position":100,)"
                            R"("rate":44100,"size":2048})");
    } else {
        printed = csvRows(r.out, "bin,frequency_hz,log_power,phase_rad");
    }
    const auto bins = hammingSpectrum(samples.data() + s.position, s.size);
    ASSERT_EQ(printed.size(), std::size_t(s.size / 2));
    for (std::size_t k = 0; k < printed.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(printed[k][0], double(k));
        EXPECT_EQ(printed[k][1], double(k) * 44100.0 / double(s.size));
        expectBin(printed[k][2], printed[k][3], bins[k]);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Segments, SpectrumMatchesFftw, testing::Values(
    Segment{"defaults", {"spectrum", "--", kMix}, 1024, 0, 9000},
    Segment{"small_inside", {"spectrum", "--size", "512", "--position=1234", "--format", "csv", "--", kMix}, 512, 1234, 9000},
    Segment{"at_the_end_of_a_cut_file", {"spectrum", "--size", "4096", "--position", "17954", "--", kMix}, 4096, 17954, 30000},
    // The name in the JSON form is the file's own, without the folder it was given in.
    Segment{"json", {"spectrum", "--format", "json", "--size", "2048", "--position", "100", "--", "./" + kMix}, 2048, 100, 30000}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

class PeaksOfTheTwoTones : public CliAndWindow, public testing::WithParamInterface<long> {};

// The sample of 440 Hz at 12000 and 2500 Hz at 5000: exactly these two tones, strongest
// first, within a thousandth of a bin and 0.01 dB of 20·log10(A/32767), each at a bin that
// stands above both neighbours in FFTW's transform, with that bin's log power and phase; the
// JSON form names the same. With --all, every bin of FFTW's log power larger than both
// neighbours, strongest first.
TEST_P(PeaksOfTheTwoTones, NameBothTonesAndNothingElse) {
    const std::string size = std::to_string(GetParam()), wave = SAMPLES_DIR "/two-tones.wav";
    const std::string header =
        "rank,bin,frequency_hz,log_power,phase_rad,level_dbfs,amplitude,frequency_error_hz";
    const CliRun csv = cli({"peaks", wave, "--size", size});
    ASSERT_EQ(csv.exit_code, 0) << csv.err;
    EXPECT_EQ(csvRows(cli({"peaks", wave, "--size", size, "--count", "1"}).out, header).size(), 1u);
    const auto json =
        nlohmann::json::parse(cli({"peaks", wave, "--size", size, "--format", "json"}).out);
    std::vector<Numbers> from_json;
    for (const nlohmann::json& p : json.at("peaks"))
        from_json.push_back({p["rank"], p["bin"], p["frequency_hz"], p["log_power"], p["phase_rad"],
                             p["level_dbfs"], p["amplitude"], p["frequency_error_hz"]});

    const double n = double(GetParam());
    const auto bins = hammingSpectrum(sampleFile(wave).data(), GetParam());
    const auto peakAt = [&](std::size_t k) {
        return std::norm(bins[k]) > std::norm(bins[k - 1]) &&
               std::norm(bins[k]) > std::norm(bins[k + 1]);
    };
    const double tones_hz[] = {440, 2500}, amplitudes[] = {12000, 5000};
    for (const auto& rows : {csvRows(csv.out, header), from_json}) {
        ASSERT_EQ(rows.size(), 2u);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(rows[i][0], double(i + 1));
            const auto k = std::size_t(rows[i][1]);
            EXPECT_NEAR((rows[i][2] - tones_hz[i]) * n / 44100.0, 0, 1e-3);
            EXPECT_TRUE(peakAt(k));
            expectBin(rows[i][3], rows[i][4], bins[k]);
            EXPECT_NEAR(rows[i][5], 20 * std::log10(amplitudes[i] / 32767), 0.01);
            EXPECT_NEAR(rows[i][6], amplitudes[i], amplitudes[i] * 1e-3);
            EXPECT_GT(rows[i][7], 0);
            EXPECT_LT(rows[i][7], 44100.0 / n);
        }
    }

    std::vector<std::pair<double, double>> maxima;  // minus the power, and the bin
    for (std::size_t k = 1; k + 1 < bins.size() / 2; ++k)
        if (peakAt(k)) maxima.push_back({-std::norm(bins[k]), double(k)});
    std::ranges::sort(maxima);
    const std::vector<Numbers> all = csvRows(
        cli({"peaks", wave, "--size", size, "--all", "--count", std::to_string(bins.size() / 2)})
            .out,
        header);
    ASSERT_EQ(all.size(), maxima.size());
    for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(all[i][1], maxima[i].second);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PeaksOfTheTwoTones, testing::ValuesIn(names::kSegmentSizes));

// A tone at 16384 against the same tone at 8192, at the same position (the reference's by
// default): compare's log powers, and spectrum --reference's log powers and phases, against
// FFTW, 20·log10 2 dB at the peak in both; a segment against itself differs by 0 at every bin.
TEST_F(CliAndWindow, CompareAndSpectrumReferenceAgreeWithFftw) {
    const auto loud = sine(440, 16384, 9000), soft = sine(440, 8192, 9000);
    file("loud.wav", loud);
    file("soft.wav", soft);
    const CliRun compare = cli({"compare", "loud.wav", "soft.wav", "--position", "100"});
    ASSERT_EQ(compare.exit_code, 0) << compare.err;
    const auto rows =
        csvRows(compare.out, "bin,frequency_hz,log_power,reference_log_power,difference_db");
    const CliRun spectrum = cli({"spectrum", "loud.wav", "--position", "100", "--reference",
                                 "soft.wav", "--reference-position", "100"});
    const auto with_reference =
        csvRows(spectrum.out,
                "bin,frequency_hz,log_power,phase_rad,reference_log_power,reference_phase_rad,"
                "difference_db");
    const auto loud_bins = hammingSpectrum(loud.data() + 100, 1024);
    const auto soft_bins = hammingSpectrum(soft.data() + 100, 1024);
    ASSERT_EQ(rows.size(), 512u);
    ASSERT_EQ(with_reference.size(), 512u);
    std::size_t peak = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        SCOPED_TRACE(k);
        // compare prints no phases: its bins are checked on their magnitudes alone.
        expectBin(rows[k][2], 0, std::abs(loud_bins[k]));
        expectBin(rows[k][3], 0, std::abs(soft_bins[k]));
        expectBin(with_reference[k][2], with_reference[k][3], loud_bins[k]);
        expectBin(with_reference[k][4], with_reference[k][5], soft_bins[k]);
        if (rows[k][2] > rows[peak][2]) peak = k;
    }
    EXPECT_NEAR(rows[peak][4], 20 * std::log10(2.0), 0.01);
    EXPECT_NEAR(with_reference[peak][6], 20 * std::log10(2.0), 0.01);
    for (const auto& row : csvRows(cli({"compare", "soft.wav", "soft.wav", "--size", "4096"}).out,
                                   "bin,frequency_hz,log_power,reference_log_power,difference_db"))
        EXPECT_EQ(row[4], 0.0);
}

// The two paths held together: what spectrum and peaks compute without the window is, in
// every byte, what they would print from the window's own state after the user's actions,
// at every size that fits, at the start, inside and at the last position.
// clang-format off
class ComputedMatchesTheWindow : public CliAndWindow, public testing::WithParamInterface<std::pair<std::string, std::vector<std::int16_t>>> {};
// clang-format on

TEST_P(ComputedMatchesTheWindow, InEveryByteOfEveryForm) {
    const auto& [sample, tone] = GetParam();
    const std::string path = sample.empty() ? file("tone.wav", tone) : sample, name = "a name";
    for (const long size : names::kSegmentSizes) {
        choose(std::to_string(size).c_str());
        load(path);
        if (maxsize < size) continue;
        for (const long position : {0L, (maxsize - size) / 3, maxsize - size}) {
            slideTo(int(position));
            letGo();
            const SpectrumReport shown = currentSpectrumReport();
            const SegmentComputation computed =
                computeSegment({path, size, position}, readWaveFile(path.c_str()).samples);
            ASSERT_FALSE(computed.range_error);
            const SpectrumReport& report = computed.spectrum;
            EXPECT_EQ(spectrumCsvRows(report, &name), spectrumCsvRows(shown, &name)) << size;
            EXPECT_EQ(spectrumJson(report, &name), spectrumJson(shown, &name)) << size;
            EXPECT_EQ(peaksJson(report, strongestSpectrumPeaks(report, size / 2, true), &name),
                      peaksJson(shown, strongestSpectrumPeaks(shown, size / 2, true), &name));
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sounds, ComputedMatchesTheWindow, testing::Values(std::pair{std::string(SAMPLES_DIR "/vowel.wav"), pattern(0)},
    std::pair{std::string(), sine(440, 12000, 30000)}, std::pair{std::string(), pattern(4096)}));
// clang-format on

}  // namespace

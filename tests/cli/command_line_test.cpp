#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/csv_field.h"
#include "cli_window_fixture.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;
using namespace wave_builder;

TEST(CliHelp, ListsEveryCommandWrongUsageGetsItOnStderrAndVersionIsTheProjects) {
    TempDir dir;
    const CliRun help = cliIn(dir.path(), {"--help"});
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_EQ(help.err, "");
    for (const char* usage : {"usage: sefaro-cli", "info FILE...",
                              "spectrum FILE... [--size N] [--position P] [--format csv|json]",
                              "peaks FILE... [--size N] [--position P] [--count K] [--format csv|json]",
                              "render FILE [--size N] [--position P] -o OUT.png | FILE... -o DIR",
                              "replay [SCRIPT] [--shots DIR]", "--version"}) {
        EXPECT_THAT(help.out, HasSubstr(usage));
    }
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"nosuchcommand", "a.wav"}, {"--help", "info"}}) {
        const CliRun r = cliIn(dir.path(), args);
        EXPECT_EQ(r.exit_code, 64);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, help.out);
    }
    const CliRun version = cliIn(dir.path(), {"--version"});
    EXPECT_EQ(version.exit_code, 0);
    EXPECT_EQ(version.out + version.err, "sefaro-cli " SEFARO_VERSION "\n");
}

TEST(CliInfo, PrintsTheFourLabelsAndTheLengthNoticeOnStderr) {
    TempDir dir;
    dir.write("tone 1.wav", mono_wave(pattern(1000)));
    dir.write("long.wav", mono_wave(pattern(30000)));
    const CliRun accepted = cliIn(dir.path(), {"info", "tone 1.wav"});
    EXPECT_EQ(accepted.exit_code, 0);
    EXPECT_EQ(accepted.out, "name: tone 1.wav\nrate: 44100Hz\nbits: 16bitsPerSamp\npoints: 1000\n");
    EXPECT_EQ(accepted.err, "");
    const CliRun cut = cliIn(dir.path(), {"info", "long.wav"});
    EXPECT_EQ(cut.exit_code, 0);
    EXPECT_EQ(cut.out, "name: long.wav\nrate: 44100Hz\nbits: 16bitsPerSamp\npoints: 22050\n");
    EXPECT_EQ(cut.err, "Sorry, this program change parameter of wave length\n");
}

// With several files a refusal is an answer: a row, not an error.
TEST(CliInfo, ManyFilesGiveOneRowEachRefusedOnesIncluded) {
    TempDir dir;
    dir.write("tone 1.wav", mono_wave(pattern(1000)));
    dir.write("long,\"cut\".wav", mono_wave(pattern(30000)));
    dir.write("stereo.wav", riff("WAVE", {fmt_chunk({.channels = 2}),
                                          chunk("data", sample_bytes(pattern(5000)))}));
    const std::string rows =
        "file,outcome,message,rate_hz,bits,points\n"
        "tone 1.wav,loaded,,44100,16,1000\n"
        "\"long,\"\"cut\"\".wav\",cut,\"Sorry, this program change parameter of wave length\","
        "44100,16,22050\n"
        "stereo.wav,refused,\"Sorry, this program is for single-channel only\",,,\n"
        "none.wav,refused,file not found,,,\n";
    std::ofstream(dir.path() / "list") << "tone 1.wav\nlong,\"cut\".wav\n\nstereo.wav\nnone.wav\n";
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"info", "tone 1.wav", "long,\"cut\".wav", "stereo.wav", "none.wav"},
             {"info", "-j", "3", "--files-from", "-"}}) {
        const CliRun r = cliIn(dir.path(), args, "list");
        EXPECT_EQ(r.exit_code, 0);
        EXPECT_EQ(r.out, rows);
        EXPECT_EQ(r.err, "");
    }
    const CliRun one = cliIn(dir.path(), {"info", "-H", "tone 1.wav"});
    EXPECT_EQ(one.out, "file,outcome,message,rate_hz,bits,points\ntone 1.wav,loaded,,44100,16,1000\n");
}

// As scripts/run uses it over ssh: no display and no platform chosen.
TEST(CliWithoutDisplay, ChoosesTheOffscreenPlatformItself) {
    TempDir dir;
    dir.write("w.wav", mono_wave(pattern(3000)));
    const CliRun r = runProgram("/usr/bin/env",
                                {"-u", "QT_QPA_PLATFORM", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY",
                                 "/bin/sh", "-c", "cd \"$0\" && exec \"$@\"", dir.path().string(),
                                 SEFARO_CLI, "render", "w.wav", "-o", "w.png"},
                                dir.path());
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_GT(fs::file_size(dir.path() / "w.png"), 0u);
}

TEST(CliStdout, AFullDeviceIsAFailureNotASilentLoss) {
    TempDir dir;
    dir.write("w.wav", mono_wave(pattern(3000)));
    const CliRun r = runProgram("/bin/sh",
                                {"-c", "cd \"$0\" && exec \"$1\" spectrum w.wav >/dev/full",
                                 dir.path().string(), SEFARO_CLI},
                                dir.path());
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, "sefaro-cli spectrum: cannot write to standard output\n");
}

struct Failure {
    std::vector<std::string> args;
    int exit_code;
    std::string error;  // all of stderr when it ends in a newline, else a part of its one line
};
void PrintTo(const Failure& value, std::ostream* out) {
    for (const std::string& arg : value.args) *out << (arg.empty() ? "''" : arg) << ' ';
}

class CliFailure : public testing::TestWithParam<Failure> {};

// In a folder with short.wav (3000 samples), tiny.wav (4), stereo.wav, empty.wav and an
// empty folder, to which nothing may be added, not even a temporary file.
TEST_P(CliFailure, GivesItsExitCodeAndOneLineAndWritesNothing) {
    TempDir dir;
    dir.write("short.wav", mono_wave(pattern(3000)));
    dir.write("tiny.wav", mono_wave(pattern(4)));
    dir.write("stereo.wav", riff("WAVE", {fmt_chunk({.channels = 2}),
                                          chunk("data", sample_bytes(pattern(5000)))}));
    dir.write("empty.wav", {});
    fs::create_directory(dir.path() / "folder");
    const CliRun r = cliIn(dir.path(), GetParam().args);
    EXPECT_EQ(r.exit_code, GetParam().exit_code);
    EXPECT_EQ(r.out, "");
    if (GetParam().error.ends_with('\n')) {
        EXPECT_EQ(r.err, GetParam().error);
    } else {
        EXPECT_THAT(r.err, HasSubstr(GetParam().error));
        EXPECT_EQ(lineCount(r.err), 1u) << r.err;
    }
    EXPECT_EQ(namesIn(dir.path()),
              (std::vector<std::string>{"empty.wav", "folder", "short.wav", "stderr", "stdout",
                                        "stereo.wav", "tiny.wav"}));
    EXPECT_TRUE(fs::is_empty(dir.path() / "folder"));
}

const std::string kSizes = "is not one of 512, 1024, 2048, 4096";
const std::string kStereo = "Sorry, this program is for single-channel only\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arguments, CliFailure, testing::Values(
    Failure{{"spectrum"}, 64, "spectrum: FILE is missing (usage: sefaro-cli spectrum FILE"},
    Failure{{"spectrum", ""}, 64, "FILE is missing"},
    Failure{{"spectrum", "-j", "0", "short.wav", "tiny.wav"}, 64,
            "jobs \"0\" is not a whole number from 1 to 1024"},
    Failure{{"spectrum", "--files-from", "no list"}, 1,
            "sefaro-cli spectrum: cannot read no list: No such file or directory\n"},
    Failure{{"spectrum", "--files-from", "folder"}, 1, "cannot read folder: Is a directory"},
    Failure{{"spectrum", "--files-from", "empty.wav"}, 64, "the list names no FILE"},
    Failure{{"spectrum", "short.wav", "--size", "1000"}, 64, "size \"1000\" " + kSizes},
    Failure{{"spectrum", "short.wav", "--size", "+512"}, 64, "size \"+512\" " + kSizes},
    Failure{{"spectrum", "short.wav", "--position", "1e3"}, 64,
            "position \"1e3\" is not a whole number of samples"},
    Failure{{"spectrum", "short.wav", "--position", "99999999999999999999"}, 64,
            "position \"99999999999999999999\" is not a whole number"},
    Failure{{"spectrum", "short.wav", "--format", "xml"}, 64, "format \"xml\" is not csv or json"},
    Failure{{"spectrum", "short.wav", "--window", "hann"}, 64, "argument was not expected: --window"},
    Failure{{"spectrum", "short.wav", "-size", "512"}, 64, "argument was not expected: -size"},
    Failure{{"spectrum", "short.wav", "--size"}, 64, "--size: 1 required TEXT missing"},
    Failure{{"spectrum", "short.wav", "--size", "512", "--size=1024"}, 64,
            "--size: At Most 1 required but received 2"},
    Failure{{"spectrum", "short.wav", "--position", "1977"}, 64,
            "sefaro-cli spectrum: position 1977 is outside 0 to 1976 (short.wav has 3000 samples, "
            "size 1024)\n"},
    Failure{{"spectrum", "short.wav", "--position", "-1"}, 64, "position -1 is outside 0 to 1976"},
    Failure{{"spectrum", "short.wav", "--size", "4096"}, 64,
            "short.wav has 3000 samples, fewer than the size 4096; sizes that fit: "
            "512, 1024, 2048"},
    Failure{{"spectrum", "tiny.wav", "--size", "512"}, 64,
            "tiny.wav has 4 samples, fewer than the size 512; every size needs at least 512"},
    Failure{{"spectrum", "no such.wav"}, 2, "file not found\n"},
    Failure{{"spectrum", "stereo.wav"}, 2, kStereo},
    Failure{{"peaks", "short.wav", "--count", "0"}, 64, "count \"0\" is not a whole number from 1 to 512"},
    Failure{{"peaks", "short.wav", "--size", "512", "--count", "257"}, 64,
            "count \"257\" is not a whole number from 1 to 256"},
    Failure{{"peaks", "short.wav", "--count", "many"}, 64, "count \"many\" is not a whole number"},
    Failure{{"peaks", "short.wav", "--format", "xml"}, 64, "format \"xml\" is not csv or json"},
    Failure{{"peaks", "short.wav", "--size", "4096"}, 64, "fewer than the size 4096"},
    Failure{{"peaks", "stereo.wav"}, 2, kStereo},
    Failure{{"render", "short.wav"}, 64, "-o OUT.png is missing"},
    Failure{{"render", "short.wav", "tiny.wav"}, 64, "-o DIR is missing"},
    Failure{{"render", "-H", "short.wav", "-o", "short.wav"}, 1,
            "sefaro-cli render: cannot write pictures into short.wav: Not a directory\n"},
    Failure{{"render", "empty.wav", "-o", "x.png"}, 2, "riff chunk not found\n"},
    Failure{{"render", "short.wav", "-o", "missing/x.png"}, 1,
            "sefaro-cli render: cannot write missing/x.png: No such file or directory\n"},
    Failure{{"render", "short.wav", "-o", "folder"}, 1, "cannot write folder: Filename refers to a directory"},
    Failure{{"render", "short.wav", "-o", "folder/"}, 1, "cannot write folder/: Filename refers to a directory"},
    Failure{{"info"}, 64, "sefaro-cli info: FILE is missing (usage: sefaro-cli info FILE...)\n"},
    Failure{{"info", ""}, 64, "info: FILE is missing"},
    Failure{{"info", "-x", "short.wav"}, 64, "argument was not expected: -x"},
    Failure{{"info", "stereo.wav"}, 2, kStereo},
    Failure{{"info", "folder"}, 2, "file not found\n"},
    Failure{{"replay", "a", "b"}, 64, "give one SCRIPT only"},
    Failure{{"replay", "no script"}, 1,
            "sefaro-cli replay: cannot read no script: No such file or directory\n"},
    Failure{{"replay", "folder"}, 1, "cannot read folder: Is a directory"},
    Failure{{"replay", "--shots", "short.wav"}, 1, "cannot write shots into short.wav: "}));
// clang-format on

// The runs of one command over many files, with the options every file shares.
struct ManyFiles {
    const char* name;
    std::vector<std::string> args;
    bool render;             // pictures into a folder rather than text on stdout
    std::string csv_header;  // of one file's CSV, without its newline; empty for other forms
};
void PrintTo(const ManyFiles& value, std::ostream* out) { *out << value.name; }

class CliManyFiles : public testing::TestWithParam<ManyFiles> {
  protected:
    // In order: good ones, one refused, one missing, one too short for 512, two of one name.
    const std::vector<std::string> files = {"a.wav", "stereo.wav", "none.wav", "tiny.wav",
                                            "b,\"q\".wav", "sub/a.wav"};
    TempDir dir;

    CliManyFiles() {
        dir.write("a.wav", mono_wave(pattern(3000)));
        dir.write("b,\"q\".wav", mono_wave(sine(2500, 8000, 30000)));
        dir.write("stereo.wav", riff("WAVE", {fmt_chunk({.channels = 2}),
                                              chunk("data", sample_bytes(pattern(5000)))}));
        dir.write("tiny.wav", mono_wave(pattern(300)));
        fs::create_directory(dir.path() / "sub");
        dir.write("sub/a.wav", mono_wave(sine(440, 12000, 9000)));
        std::ofstream list(dir.path() / "list");
        for (const std::string& file : files) list << file << '\n';
    }

    // The command, then its shared options, then more.
    std::vector<std::string> withArgs(const std::vector<std::string>& more) const {
        std::vector<std::string> args = GetParam().args;
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }
};

// Each file gives what it gives alone, in the many-files form, in the order given, whatever
// the number of workers; failed files are told on stderr by name and the run goes on.
TEST_P(CliManyFiles, GiveEachFilesOwnOutputInOrderAndReportTheFailedOnes) {
    const std::string command = GetParam().args[0];
    const std::string& csv_header = GetParam().csv_header;
    std::string out = csv_header.empty() ? "" : "file," + csv_header + "\n";
    std::string err;
    std::vector<std::string> pictures;
    int exit_code = 0;
    for (const std::string& file : files) {
        std::vector<std::string> alone = withArgs({"--", file});
        if (GetParam().render) alone.insert(alone.end() - 2, {"-o", "alone.png"});
        const CliRun r = cliIn(dir.path(), alone);
        exit_code = std::max(exit_code, r.exit_code);
        std::istringstream err_lines(r.err);
        for (std::string line; std::getline(err_lines, line);) {
            const std::string own = "sefaro-cli " + command + ": ";
            if (line.starts_with(own)) line.erase(0, own.size());
            err += "sefaro-cli: " + file + ": " + line + "\n";
        }
        if (GetParam().render && r.exit_code == 0) {
            pictures.push_back(fileText(dir.path() / "alone.png"));
            fs::remove(dir.path() / "alone.png");
        }
        std::istringstream out_lines(r.out);
        for (std::string line; std::getline(out_lines, line);) {
            if (line.starts_with("{")) {
                out += "{\"file\":" + nlohmann::json(file).dump() + "," + line.substr(1) + "\n";
            } else if (line != csv_header) {
                out += csvField(file) + "," + line + "\n";
            }
        }
    }
    err += "sefaro-cli: sub/a.wav: saved as a-512-100-2.png, since an earlier file has "
           "a-512-100.png\n";
    ASSERT_EQ(exit_code, 64);

    for (const char* jobs : {"1", "3"}) {
        for (const bool from_list : {false, true}) {
            SCOPED_TRACE(std::string("-j ") + jobs + (from_list ? " --files-from -" : ""));
            std::vector<std::string> many = withArgs({"-j", jobs});
            if (GetParam().render) many.insert(many.end(), {"-o", "pictures"});
            if (from_list) many.insert(many.end(), {"--files-from", "-"});
            if (!from_list) many.insert(many.end(), files.begin(), files.end());
            const CliRun r = cliIn(dir.path(), many, "list");
            EXPECT_EQ(r.exit_code, 64);
            EXPECT_EQ(r.out, out);
            if (!GetParam().render) {
                EXPECT_EQ(r.err, err.substr(0, err.rfind("sefaro-cli: sub/a.wav: saved")));
                continue;
            }
            EXPECT_EQ(r.err, err);
            const fs::path folder = dir.path() / "pictures";
            EXPECT_EQ(namesIn(folder), (std::vector<std::string>{"a-512-100-2.png", "a-512-100.png",
                                                                 "b,\"q\"-512-100.png"}));
            EXPECT_EQ(fileText(folder / "a-512-100.png"), pictures[0]);
            EXPECT_EQ(fileText(folder / "b,\"q\"-512-100.png"), pictures[1]);
            EXPECT_EQ(fileText(folder / "a-512-100-2.png"), pictures[2]);
            fs::remove_all(folder);
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Commands, CliManyFiles, testing::Values(
    ManyFiles{"spectrum_csv", {"spectrum", "--size", "512", "--position=100"}, false,
              "bin,frequency_hz,log_power,phase_rad"},
    ManyFiles{"spectrum_json", {"spectrum", "--format", "json", "--size=512", "--position", "100"},
              false, ""},
    ManyFiles{"peaks_csv", {"peaks", "--size", "512", "--position", "100", "--count", "3"}, false,
              "rank,bin,frequency_hz,log_power,phase_rad"},
    ManyFiles{"peaks_json", {"peaks", "--format=json", "--size", "512", "--position=100"}, false,
              ""},
    ManyFiles{"render", {"render", "--size", "512", "--position", "100"}, true, ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace

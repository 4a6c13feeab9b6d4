#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

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
    for (const char* usage : {"usage: sefaro-cli", "info FILE",
                              "spectrum FILE [--size N] [--position P] [--format csv|json]",
                              "render FILE [--size N] [--position P] -o OUT.png",
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
const std::string kInfoUsage = "usage: sefaro-cli info FILE\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arguments, CliFailure, testing::Values(
    Failure{{"spectrum"}, 64, "spectrum: FILE is missing (usage: sefaro-cli spectrum FILE"},
    Failure{{"spectrum", ""}, 64, "FILE is missing"},
    Failure{{"spectrum", "short.wav", "tiny.wav"}, 64, "give one FILE only"},
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
    Failure{{"render", "short.wav"}, 64, "-o OUT.png is missing"},
    Failure{{"render", "empty.wav", "-o", "x.png"}, 2, "riff chunk not found\n"},
    Failure{{"render", "short.wav", "-o", "missing/x.png"}, 1,
            "sefaro-cli render: cannot write missing/x.png: No such file or directory\n"},
    Failure{{"render", "short.wav", "-o", "folder"}, 1, "cannot write folder: Filename refers to a directory"},
    Failure{{"render", "short.wav", "-o", "folder/"}, 1, "cannot write folder/: Filename refers to a directory"},
    Failure{{"info"}, 64, kInfoUsage},
    Failure{{"info", ""}, 64, kInfoUsage},
    Failure{{"info", "short.wav", "tiny.wav"}, 64, kInfoUsage},
    Failure{{"info", "stereo.wav"}, 2, kStereo},
    Failure{{"info", "folder"}, 2, "file not found\n"},
    Failure{{"replay", "a", "b"}, 64, "give one SCRIPT only"},
    Failure{{"replay", "no script"}, 1,
            "sefaro-cli replay: cannot read no script: No such file or directory\n"},
    Failure{{"replay", "folder"}, 1, "cannot read folder: Is a directory"},
    Failure{{"replay", "--shots", "short.wav"}, 1, "cannot write shots into short.wav: "}));
// clang-format on

}  // namespace

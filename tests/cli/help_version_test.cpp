#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "support/wave_builder.h"

namespace {

using testing::HasSubstr;

TEST(CliHelp, ListsEveryCommandWithItsArguments) {
    TempDir dir;
    const CliRun r = runProgram(SEFARO_CLI, {"--help"}, dir.path());
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.err, "");
    for (const char* usage :
         {"info FILE", "spectrum FILE [--size N] [--position P] [--format csv|json]",
          "render FILE [--size N] [--position P] -o OUT.png", "replay [SCRIPT] [--shots DIR]",
          "--version"}) {
        EXPECT_THAT(r.out, HasSubstr(usage));
    }
}

TEST(CliVersion, IsTheProjectsVersion) {
    TempDir dir;
    const CliRun r = runProgram(SEFARO_CLI, {"--version"}, dir.path());
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "sefaro-cli " SEFARO_VERSION "\n");
    EXPECT_EQ(r.err, "");
}

// As scripts/run uses it over ssh: no display and no platform chosen.
TEST(CliWithoutDisplay, ChoosesTheOffscreenPlatformItself) {
    TempDir dir;
    const std::string wave =
        dir.write("w.wav", wave_builder::mono_wave(wave_builder::pattern(3000)));
    const CliRun r = runProgram("/usr/bin/env",
                                {"-u", "QT_QPA_PLATFORM", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY",
                                 SEFARO_CLI, "render", wave, "-o", (dir.path() / "w.png").string()},
                                dir.path());
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_GT(std::filesystem::file_size(dir.path() / "w.png"), 0u);
}

TEST(CliStdout, AFullDeviceIsAFailureNotASilentLoss) {
    TempDir dir;
    const std::string wave =
        dir.write("w.wav", wave_builder::mono_wave(wave_builder::pattern(3000)));
    const std::string command =
        shellQuoted(SEFARO_CLI) + " spectrum " + shellQuoted(wave) + " >/dev/full";
    const CliRun r = runProgram("/bin/sh", {"-c", command}, dir.path());
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, "sefaro-cli spectrum: cannot write to standard output\n");
}

}  // namespace

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "support/wave_builder.h"

namespace {

using namespace wave_builder;

// Runs the built sefaro-cli with these arguments.
CliRun run_cli(const TempDir& dir, const std::vector<std::string>& args) {
    return runProgram(SEFARO_CLI, args, dir.path());
}

std::string info_lines(const std::string& name, long points) {
    std::ostringstream lines;
    lines << "name: " << name << "\nrate: 44100Hz\nbits: 16bitsPerSamp\npoints: " << points << "\n";
    return lines.str();
}

class InfoCommand : public testing::Test {
  protected:
    TempDir dir;
};

TEST_F(InfoCommand, AcceptedFilePrintsTheFourLabels) {
    const CliRun r = run_cli(dir, {"info", dir.write("tone 1.wav", mono_wave(pattern(1000)))});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, info_lines("tone 1.wav", 1000));
    EXPECT_EQ(r.err, "");
}

TEST_F(InfoCommand, LongFileIsCutWithItsNoticeOnStderr) {
    const CliRun r = run_cli(dir, {"info", dir.write("long.wav", mono_wave(pattern(30000)))});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, info_lines("long.wav", 22050));
    EXPECT_EQ(r.err, "Sorry, this program change parameter of wave length\n");
}

TEST_F(InfoCommand, PublicFileIsAccepted) {
    const CliRun r =
        run_cli(dir, {"info", WAVE_TEST_DATA "/hound__waveformatex-16bit-44100Hz-mono-extra.wav"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, info_lines("hound__waveformatex-16bit-44100Hz-mono-extra.wav", 4));
}

struct Refusal {
    const char* name;
    Bytes file;
    const char* message;
};

class InfoRefusal : public InfoCommand, public testing::WithParamInterface<Refusal> {};

TEST_P(InfoRefusal, PrintsOnlyTheMessage) {
    const CliRun r = run_cli(dir, {"info", dir.write("x.wav", GetParam().file)});
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, std::string(GetParam().message) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Files, InfoRefusal,
    testing::Values(Refusal{"stereo", riff("WAVE", {fmt_chunk({.channels = 2}), chunk("data", {})}),
                            "Sorry, this program is for single-channel only"},
                    Refusal{"empty", {}, "riff chunk not found"},
                    Refusal{"truncated_data",
                            riff("WAVE", {fmt_chunk(), chunk_declaring("data", 10, {1})}),
                            "can not read wave data"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InfoCommand, MissingFileAndDirectoryAreNotFound) {
    for (const std::string& path : {(dir.path() / "missing.wav").string(), dir.path().string()}) {
        const CliRun r = run_cli(dir, {"info", path});
        EXPECT_EQ(r.exit_code, 2) << path;
        EXPECT_EQ(r.out, "") << path;
        EXPECT_EQ(r.err, "file not found\n") << path;
    }
}

class WrongUsage : public InfoCommand,
                   public testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(WrongUsage, GivesUsageOnStderr) {
    const CliRun r = run_cli(dir, GetParam());
    EXPECT_EQ(r.exit_code, 64);
    EXPECT_EQ(r.out, "");
    EXPECT_THAT(r.err, testing::StartsWith("usage: sefaro-cli"));
}

INSTANTIATE_TEST_SUITE_P(Arguments, WrongUsage,
                         testing::Values(std::vector<std::string>{},
                                         std::vector<std::string>{"info"},
                                         std::vector<std::string>{"info", "a.wav", "b.wav"},
                                         std::vector<std::string>{"info", ""},
                                         std::vector<std::string>{"nosuchcommand", "a.wav"},
                                         std::vector<std::string>{"--help", "info"}));

TEST_F(InfoCommand, HelpGoesToStdout) {
    const CliRun r = run_cli(dir, {"--help"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_THAT(r.out, testing::StartsWith("usage: sefaro-cli"));
    EXPECT_THAT(r.out, testing::HasSubstr("info FILE"));
    EXPECT_EQ(r.err, "");
}

}  // namespace

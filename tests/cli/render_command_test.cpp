#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_window_fixture.h"
#include "folder_names.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;
using wave_builder::pattern;

constexpr QRgb kBlack = 0xff000000u;

using RenderCommand = CliAndWindow;

TEST_F(RenderCommand, SavesExactlyTheWindowAUserSeesAfterTheSameActions) {
    const std::string path = file("tones.wav", sine(1000, 12000, 22050));
    const std::string out = (dir.path() / "shot.png").string();
    const CliRun r = cli({"render", path, "--size", "2048", "--position", "5000", "-o", out});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");

    const QImage saved(QString::fromStdString(out));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), QSize(800, 600));

    choose("2048");
    load(path);
    slideTo(5000);
    letGo();
    const QImage seen = session.grabWindow().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), seen);
}

// Where the plotting puts the frames: each view at its area's place plus margins of 3 %.
TEST_F(RenderCommand, FramesStandWhereTheViewsDrawThem) {
    const std::string out = (dir.path() / "frames.png").string();
    const CliRun r = cli({"render", file("p.wav", pattern(6000)), "-o", out});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const QImage picture =
        QImage(QString::fromStdString(out)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), QSize(800, 600));
    for (int y = 10 + 3; y <= 10 + 97; ++y)
        EXPECT_EQ(picture.pixel(120 + 20, y), kBlack) << "view 1 axis, y " << y;
    for (int y = 135 + 3; y <= 135 + 97; ++y)
        EXPECT_EQ(picture.pixel(120 + 20, y), kBlack) << "view 2 axis, y " << y;
    for (int x = 21; x <= 387; ++x)
        EXPECT_EQ(picture.pixel(x, 581), kBlack) << "power axis, x " << x;
    for (int x = 413; x <= 779; ++x)
        EXPECT_EQ(picture.pixel(x, 425), kBlack) << "phase centre line, x " << x;
    EXPECT_NE(picture.pixel(5, 300), 0xffffffffu) << "window background";
}

TEST_F(RenderCommand, AnOlderPictureIsReplacedWhole) {
    const std::string out = dir.write("shot.png", std::vector<unsigned char>(3'000'000, 'x'));
    const CliRun r = cli({"render", file("p.wav", pattern(6000)), "-o", out});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(QImage(QString::fromStdString(out)).size(), QSize(800, 600));
    EXPECT_LT(fs::file_size(out), 1'000'000u);
}

TEST_F(RenderCommand, APathThatCannotBeWrittenFailsAndLeavesNothing) {
    const std::string wave = file("p.wav", pattern(6000));
    fs::create_directory(dir.path() / "folder");
    const std::vector<std::string> before = namesIn(dir.path());
    for (const std::string& out : {(dir.path() / "missing" / "shot.png").string(),
                                   (dir.path() / "folder").string(), wave + "/shot.png"}) {
        const CliRun r = cli({"render", wave, "-o", out});
        EXPECT_EQ(r.exit_code, 1) << out;
        EXPECT_EQ(r.out, "") << out;
        EXPECT_THAT(r.err, HasSubstr("cannot write " + out + ": ")) << out;
        EXPECT_EQ(lineCount(r.err), 1u) << r.err;
        std::vector<std::string> now = namesIn(dir.path());
        std::erase(now, "stdout");
        std::erase(now, "stderr");
        EXPECT_EQ(now, before) << out;
        EXPECT_TRUE(fs::is_empty(dir.path() / "folder")) << out;
    }
}

TEST_F(RenderCommand, WithoutAnOutputOrWithARefusedFileNothingIsWritten) {
    const CliRun missing_output = cli({"render", file("p.wav", pattern(6000))});
    EXPECT_EQ(missing_output.exit_code, 64);
    EXPECT_THAT(missing_output.err, HasSubstr("-o OUT.png is missing"));

    const std::string out = (dir.path() / "shot.png").string();
    const CliRun refused = cli({"render", dir.write("empty.wav", {}), "-o", out});
    EXPECT_EQ(refused.exit_code, 2);
    EXPECT_EQ(refused.err, "riff chunk not found\n");
    EXPECT_FALSE(fs::exists(out));

    const CliRun out_of_range =
        cli({"render", file("q.wav", pattern(6000)), "--position", "6000", "-o", out});
    EXPECT_EQ(out_of_range.exit_code, 64);
    EXPECT_THAT(out_of_range.err, HasSubstr("outside 0 to 4976"));
    EXPECT_FALSE(fs::exists(out));
}

}  // namespace

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_window_fixture.h"

namespace {

namespace fs = std::filesystem;

TEST_F(CliAndWindow, RenderSavesTheWindowAUserSeesAfterTheSameActions) {
    const std::string wave = file("tones.wav", sine(1000, 12000, 22050));
    dir.write("shot.png", std::vector<unsigned char>(3'000'000, 'x'));  // an older, longer one
    const mode_t mask = ::umask(022);
    const CliRun r =
        cli({"render", "tones.wav", "--size", "2048", "--position", "5000", "-o", "shot.png"});
    ::umask(mask);
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    // Replaced whole, with the permissions of any new file, and no temporary file left.
    EXPECT_LT(fs::file_size(dir.path() / "shot.png"), 1'000'000u);
    EXPECT_EQ(fs::status(dir.path() / "shot.png").permissions(), fs::perms(0644));
    EXPECT_EQ(namesIn(dir.path()),
              (std::vector<std::string>{"shot.png", "stderr", "stdout", "tones.wav"}));

    const QImage saved = QImage(QString::fromStdString((dir.path() / "shot.png").string()))
                             .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(saved.size(), QSize(800, 600));
    EXPECT_NE(saved.pixel(5, 300), 0xffffffffu) << "window background";

    choose("2048");
    load(wave);
    slideTo(5000);
    letGo();
    EXPECT_EQ(saved, session.grabWindow().convertToFormat(QImage::Format_RGB32));
}

}  // namespace

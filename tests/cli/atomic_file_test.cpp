#include "cli/atomic_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "folder_names.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;

TEST(WriteFileAtomically, WritesANewFileWithTheUsualPermissions) {
    TempDir dir;
    const std::string path = (dir.path() / "out.png").string();
    std::string error;
    const mode_t mask = ::umask(022);
    const bool written = writeFileAtomically(path, std::string("a\0b", 3), error);
    ::umask(mask);
    ASSERT_TRUE(written) << error;
    EXPECT_EQ(fileText(path), std::string("a\0b", 3));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0644));
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"out.png"});
}

TEST(WriteFileAtomically, ReplacesAnOlderLongerFileWhole) {
    TempDir dir;
    const std::string path = dir.write("out.png", std::vector<unsigned char>(5000, 'x'));
    std::string error;
    ASSERT_TRUE(writeFileAtomically(path, "new", error)) << error;
    EXPECT_EQ(fileText(path), "new");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"out.png"});
}

TEST(WriteFileAtomically, ARelativePathLandsInTheWorkingFolder) {
    TempDir dir;
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    std::string error;
    const bool written = writeFileAtomically("relative.txt", "r", error);
    fs::current_path(before);
    ASSERT_TRUE(written) << error;
    EXPECT_EQ(fileText(dir.path() / "relative.txt"), "r");
}

// Each leaves the folder as it was, with no temporary file.
TEST(WriteFileAtomically, APathThatCannotBeWrittenLeavesNothingAndSaysWhy) {
    TempDir dir;
    const std::string plain_file = dir.write("plain", {'p'});
    fs::create_directory(dir.path() / "folder");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {(dir.path() / "missing" / "out.png").string(), "No such file or directory"},
        {plain_file + "/out.png", "Not a directory"},
        {(dir.path() / "folder").string(), "Is a directory"},
        {(dir.path() / "folder").string() + "/", "Is a directory"},
        {"", "No such file or directory"},
    };
    for (const auto& [path, reason] : cases) {
        std::string error;
        EXPECT_FALSE(writeFileAtomically(path, "bytes", error)) << path;
        EXPECT_THAT(error, HasSubstr("cannot write")) << path;
        EXPECT_THAT(error, HasSubstr(reason)) << path;
        EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"folder", "plain"})) << path;
        EXPECT_TRUE(fs::is_empty(dir.path() / "folder")) << path;
        EXPECT_EQ(fileText(plain_file), "p");
    }
}

}  // namespace

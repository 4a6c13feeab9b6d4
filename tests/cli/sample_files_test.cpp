#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "folder_names.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// The committed samples are what the generator writes, byte for byte: a change to either
// shows here, and the README's pictures and examples stay reproducible.
TEST(SampleFiles, TheGeneratorWritesExactlyTheCommittedFiles) {
    TempDir dir;
    const fs::path made = dir.path() / "made";
    fs::create_directory(made);
    const CliRun r = runProgram(MAKE_SAMPLES, {made.string()}, dir.path());
    ASSERT_EQ(r.exit_code, 0) << r.err;

    const std::vector<std::string> names = namesIn(made);
    std::vector<std::string> committed;
    for (const auto& entry : fs::directory_iterator(SAMPLES_DIR)) {
        if (entry.path().extension() == ".wav")
            committed.push_back(entry.path().filename().string());
    }
    std::sort(committed.begin(), committed.end());
    ASSERT_EQ(names, committed);
    ASSERT_EQ(names, (std::vector<std::string>{"chirp.wav", "two-tones.wav", "vowel.wav"}));

    for (const std::string& name : names) {
        const std::string expected = fileText(fs::path(SAMPLES_DIR) / name);
        EXPECT_EQ(expected.size(), 44144u) << name;
        EXPECT_TRUE(fileText(made / name) == expected)
            << name << " differs from the committed file";
    }
}

}  // namespace

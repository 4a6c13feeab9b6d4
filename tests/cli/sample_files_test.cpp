#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

std::set<std::string> wavesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".wav") names.insert(entry.path().filename().string());
    }
    return names;
}

// The committed samples are what the generator writes, byte for byte: a change to either
// shows here, and the README's pictures and examples stay reproducible.
TEST(SampleFiles, TheGeneratorWritesExactlyTheCommittedFiles) {
    TempDir dir;
    const CliRun r = runProgram(MAKE_SAMPLES, {dir.path().string()}, dir.path());
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const std::set<std::string> names = {"chirp.wav", "two-tones.wav", "vowel.wav"};
    ASSERT_EQ(wavesIn(SAMPLES_DIR), names);
    ASSERT_EQ(wavesIn(dir.path()), names);
    for (const std::string& name : names) {
        const std::string committed = fileText(fs::path(SAMPLES_DIR) / name);
        EXPECT_EQ(committed.size(), 44144u) << name;
        EXPECT_TRUE(fileText(dir.path() / name) == committed) << name << " differs";
    }
}

}  // namespace

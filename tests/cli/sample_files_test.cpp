#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// The committed samples are what the generator writes, byte for byte: a change to either
// shows here, and the README's pictures and examples stay reproducible.
TEST(SampleFiles, TheGeneratorWritesExactlyTheCommittedFiles) {
    TempDir dir;
    const CliRun r = runProgram(MAKE_SAMPLES, {dir.path().string()}, dir.path());
    ASSERT_EQ(r.exit_code, 0) << r.err;
    int samples = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir.path())) {
        if (entry.path().extension() != ".wav") continue;
        ++samples;
        const fs::path committed = fs::path(SAMPLES_DIR) / entry.path().filename();
        // Half a second of mono at 44100 Hz, or two seconds of stereo at 22050 Hz.
        const bool notes = entry.path().filename() == "three-notes.wav";
        EXPECT_EQ(fs::file_size(entry.path()), notes ? 176444u : 44144u) << committed;
        EXPECT_TRUE(fileText(entry.path()) == fileText(committed)) << committed << " differs";
    }
    EXPECT_EQ(samples, 4);  // chirp, two-tones, vowel and three-notes
}

}  // namespace

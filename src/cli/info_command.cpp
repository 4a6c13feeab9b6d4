#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/cli_commands.h"
#include "wave/wave_reader.h"

// sefaro-cli info FILE: reads FILE as the "select WAVE" button does and prints the texts of
// the four information labels; the message the user would see goes to stderr.
int runInfo(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '\0') {
        std::fputs("usage: sefaro-cli info FILE\n", stderr);
        return kExitUsage;
    }
    const WaveRead read = readWaveFile(argv[1]);
    if (read.message) std::fprintf(stderr, "%s\n", read.message);
    if (read.outcome == WaveReadOutcome::refused) return kExitRefused;

    // The name label shows the file's name without its folder.
    const std::string name = std::filesystem::path(argv[1]).filename().string();
    std::printf("name: %s\nrate: 44100Hz\nbits: 16bitsPerSamp\npoints: %zu\n", name.c_str(),
                read.samples.size());
    return kExitOk;
}

// Writes the converter fuzzer's seed corpus into the folder given: a short tone in each
// format libsndfile writes that the converter is meant to read, each file preceded by the
// two bytes the fuzzer takes as the start and the channel.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "seed_folder.h"
#include "support/sound_writer.h"

namespace {

struct Seed {
    const char* name;
    int format, rate_hz, channels;
};

constexpr Seed kSeeds[] = {
    {"wav_u8", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 8000, 1},
    {"wav_24_stereo", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 48000, 2},
    {"wav_float", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 44100, 1},
    {"wavex_32", SF_FORMAT_WAVEX | SF_FORMAT_PCM_32, 22050, 3},
    {"rf64_double", SF_FORMAT_RF64 | SF_FORMAT_DOUBLE, 16000, 1},
    {"aiff_16", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 11025, 2},
    {"flac_16", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 1},
    {"vorbis", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 22050, 1},
    {"opus", SF_FORMAT_OGG | SF_FORMAT_OPUS, 16000, 1},
    {"mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 22050, 1},
};

}  // namespace

int main(int argc, char** argv) {
    const auto folder_given = seedFolder(argc, argv);
    if (!folder_given) return 64;
    const std::filesystem::path& folder = *folder_given;
    for (const Seed& seed : kSeeds) {
        const std::filesystem::path sound = folder / (std::string(seed.name) + ".sound");
        if (!sound_writer::writeTone(sound.string(), seed.format, seed.rate_hz, seed.channels, 0.05,
                                     {.frequency_hz = 1000, .onset_s = 0.01})) {
            std::fprintf(stderr, "cannot write the seed %s\n", seed.name);
            return 1;
        }
        std::ifstream written(sound, std::ios::binary);
        const std::string body{std::istreambuf_iterator<char>(written), {}};
        std::ofstream(folder / seed.name, std::ios::binary) << '\0' << '\0' << body;
        std::filesystem::remove(sound);
    }
    return 0;
}

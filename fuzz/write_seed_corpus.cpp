// Writes the fuzzer's seed corpus into the folder given: valid files of every shape the
// reader accepts and malformed ones for each of its refusals.
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "seed_folder.h"
#include "support/wave_builder.h"

using namespace wave_builder;

int main(int argc, char** argv) {
    const auto folder_given = seedFolder(argc, argv);
    if (!folder_given) return 64;
    const std::filesystem::path& folder = *folder_given;

    const auto samples = pattern(300);
    const Bytes data = chunk("data", sampleBytes(samples));
    auto with_format = [&](Format f) { return riff("WAVE", {fmtChunk(f), data}); };
    const std::vector<std::pair<const char*, Bytes>> seeds = {
        {"mono", monoWave(samples)},
        {"long", monoWave(pattern(22100))},
        {"empty_data", monoWave({})},
        {"odd_data", riff("WAVE", {fmtChunk(), chunk("data", {1, 2, 3})})},
        {"chunks_around",
         riff("WAVE", {chunk("LIST", Bytes(9, 'l')), fmtChunk(), chunk("JUNK", {7}), data})},
        {"extensible", with_format({.tag = 0xFFFE, .record_bytes = 40})},
        {"stereo", with_format({.channels = 2})},
        {"rate_48000", with_format({.rate_hz = 48000})},
        {"bits_8", with_format({.bits = 8})},
        {"record_14", with_format({.record_bytes = 14})},
        {"not_wave", riff("AVI ", {fmtChunk(), data})},
        {"data_first", riff("WAVE", {data, fmtChunk()})},
        {"no_data", riff("WAVE", {fmtChunk()})},
        {"data_too_long", riff("WAVE", {fmtChunk(), chunkDeclaring("data", 0xFFFFFFF0, {1, 2})})},
        {"fmt_too_long", riff("WAVE", {chunkDeclaring("fmt ", 0x7FFFFFFF, formatRecord({}))})},
        {"riff_too_long", riffDeclaring(0xFFFFFFFF, "WAVE", {fmtChunk(), data})},
    };
    for (const auto& [name, bytes] : seeds) {
        std::ofstream(folder / (std::string(name) + ".wav"), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    return 0;
}

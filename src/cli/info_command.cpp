#include <filesystem>
#include <string>

#include "cli/cli_commands.h"
#include "cli/command_wave.h"
#include "cli/file_batch.h"
#include "report/csv_field.h"
#include "report/number_text.h"
#include "wave/wave_reader.h"

// sefaro-cli info FILE…: reads each FILE as the "select WAVE" button does, or with --convert
// as Open any sound converts it. For one file it prints the texts of the four information
// labels (with --convert, then what the source was), and the message the user would see
// goes to stderr; for several, one CSV row each, in which a refusal is an answer too.
namespace {

constexpr const char* kInfoCsvHeader = "file,outcome,message,rate_hz,bits,points";
constexpr const char* kSourceCsvHeader =
    ",source_format,source_rate_hz,source_channels,source_sample,duration_s,from_s,clipped";

// What the source was, as (name, value) pairs in the order of the columns.
std::vector<std::pair<std::string, std::string>> sourceFacts(const SoundExcerpt& excerpt) {
    if (excerpt.failure == ExcerptFailure::unreadable) return {};
    const SoundFacts& source = excerpt.source;
    return {
        {"source_format", source.format},
        {"source_rate_hz", std::to_string(source.rate_hz)},
        {"source_channels", std::to_string(source.channels)},
        {"source_sample", source.sample},
        {"duration_s", roundTripText(source.durationSeconds())},
        {"from_s", excerpt.failure == ExcerptFailure::none ? roundTripText(excerpt.from_s) : ""},
        {"clipped",
         excerpt.failure == ExcerptFailure::none ? std::to_string(excerpt.clipped) : ""}};
}

// The reader accepts 44100 samples per second and 16 bits per sample only, and the
// converter gives the same.
std::string rowOf(const std::string& file, const CommandWave& wave) {
    const WaveRead& read = wave.read;
    const char* outcome = "refused";
    std::string facts = ",,";
    if (read.outcome != WaveReadOutcome::refused) {
        outcome = read.outcome == WaveReadOutcome::cut ? "cut" : "loaded";
        facts = "44100,16," + std::to_string(read.samples.size());
    }
    const std::string message = !wave.report.error.empty() ? wave.report.error
                                : read.message             ? read.message
                                                           : "";
    std::string row = csvField(file) + ',' + outcome + ',' + csvField(message) + ',' + facts;
    if (wave.excerpt) {
        const auto source = sourceFacts(*wave.excerpt);
        for (std::size_t i = 0; i < 7; ++i)
            row += ',' + (i < source.size() ? csvField(source[i].second) : "");
    }
    return row + '\n';
}

FileReport infoOf(const std::string& file, const WaveSource& source, bool many_files) {
    CommandWave wave = commandWave(file, source);
    if (many_files) {
        FileReport report;
        report.output = rowOf(file, wave);
        return report;
    }
    FileReport report = std::move(wave.report);
    if (report.exit_code != kExitOk) return report;
    // The name label shows the file's name without its folder.
    const std::string name = std::filesystem::path(file).filename().string();
    report.output = "name: " + name + "\nrate: 44100Hz\nbits: 16bitsPerSamp\npoints: " +
                    std::to_string(wave.read.samples.size()) + "\n";
    if (wave.excerpt) {
        for (const auto& [key, value] : sourceFacts(*wave.excerpt))
            report.output += key + ": " + value + "\n";
    }
    return report;
}

}  // namespace

int runInfo(int argc, char** argv) {
    constexpr const char* kCommand = "info";
    int exit_code = kExitOk;
    const auto files = fileBatch(kCommand, argc, argv, {}, exit_code);
    if (!files) return exit_code;
    const FileBatch& batch = files->batch;
    const std::string header =
        std::string(kInfoCsvHeader) + (batch.source.convert ? kSourceCsvHeader : "") + "\n";
    return runFileBatch(kCommand, batch, header, [&](std::size_t index) {
        return infoOf(batch.files[index], batch.source, batch.many_files);
    });
}

#include <array>
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
// What --convert adds: the columns of the many-files form, the keys of the one-file form.
constexpr std::array<const char*, 7> kSourceFacts = {
    "source_format", "source_rate_hz", "source_channels", "source_sample",
    "duration_s",    "from_s",         "clipped"};

// The values of kSourceFacts; none for a file that could not be read, no start and no
// clipped count for an excerpt that could not be taken.
std::vector<std::string> sourceValues(const SoundExcerpt& excerpt) {
    if (excerpt.failure == ExcerptFailure::unreadable) return {};
    const SoundFacts& source = excerpt.source;
    const bool taken = excerpt.failure == ExcerptFailure::none;
    return {source.format,
            std::to_string(source.rate_hz),
            std::to_string(source.channels),
            source.sample,
            roundTripText(source.durationSeconds()),
            taken ? roundTripText(excerpt.from_s) : "",
            taken ? std::to_string(excerpt.clipped) : ""};
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
        const std::vector<std::string> values = sourceValues(*wave.excerpt);
        for (std::size_t i = 0; i < kSourceFacts.size(); ++i)
            row += ',' + (i < values.size() ? csvField(values[i]) : "");
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
        const std::vector<std::string> values = sourceValues(*wave.excerpt);
        for (std::size_t i = 0; i < values.size(); ++i)
            report.output += std::string(kSourceFacts[i]) + ": " + values[i] + "\n";
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
    std::string header = kInfoCsvHeader;
    if (batch.source.convert) {
        for (const char* column : kSourceFacts) header += ',' + std::string(column);
    }
    header += '\n';
    return runFileBatch(
        kCommand, batch, header,
        [&](std::size_t index) {
            return infoOf(batch.files[index], batch.source, batch.many_files);
        },
        Workers::threads);
}

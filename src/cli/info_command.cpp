#include <filesystem>
#include <string>

#include "cli/cli_commands.h"
#include "cli/file_batch.h"
#include "report/csv_field.h"
#include "wave/wave_reader.h"

// sefaro-cli info FILE…: reads each FILE as the "select WAVE" button does. For one file it
// prints the texts of the four information labels, and the message the user would see goes
// to stderr; for several, one CSV row each, in which a refusal is an answer too.
namespace {

constexpr const char* kInfoCsvHeader = "file,outcome,message,rate_hz,bits,points\n";

// The reader accepts 44100 samples per second and 16 bits per sample only.
std::string rowOf(const std::string& file, const WaveRead& read) {
    const char* outcome = "refused";
    std::string facts = ",,";
    if (read.outcome != WaveReadOutcome::refused) {
        outcome = read.outcome == WaveReadOutcome::cut ? "cut" : "loaded";
        facts = "44100,16," + std::to_string(read.samples.size());
    }
    return csvField(file) + ',' + outcome + ',' + csvField(read.message ? read.message : "") + ',' +
           facts + '\n';
}

FileReport infoOf(const std::string& file, bool many_files) {
    const WaveRead read = readWaveFile(file.c_str());
    FileReport report;
    if (many_files) {
        report.output = rowOf(file, read);
        return report;
    }
    if (read.message) report.messages.emplace_back(read.message);
    if (read.outcome == WaveReadOutcome::refused) {
        report.exit_code = kExitRefused;
        return report;
    }
    // The name label shows the file's name without its folder.
    const std::string name = std::filesystem::path(file).filename().string();
    report.output = "name: " + name + "\nrate: 44100Hz\nbits: 16bitsPerSamp\npoints: " +
                    std::to_string(read.samples.size()) + "\n";
    return report;
}

}  // namespace

int runInfo(int argc, char** argv) {
    constexpr const char* kCommand = "info";
    int exit_code = kExitOk;
    const auto files = fileBatch(kCommand, argc, argv, {}, exit_code);
    if (!files) return exit_code;
    const FileBatch& batch = files->batch;
    return runFileBatch(
        kCommand, batch, kInfoCsvHeader,
        [&](std::size_t index) { return infoOf(batch.files[index], batch.many_files); },
        Workers::threads);
}

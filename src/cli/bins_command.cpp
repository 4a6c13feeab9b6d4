#include <memory>
#include <string>

#include "cli/bin_report.h"
#include "cli/cli_commands.h"
#include "cli/segment_batch.h"

// sefaro-cli spectrum FILE… [--size N] [--position P] [--format csv|json]: the spectra that
// the power and phase plots show for that segment, read from the window's own state after
// the user's actions, so that they cannot differ from what is plotted.
int runSpectrum(int argc, char** argv) {
    constexpr const char* kCommand = "spectrum";
    int exit_code = kExitOk;
    const auto batch = segmentBatch(kCommand, argc, argv, {"format"}, exit_code);
    if (!batch) return exit_code;
    std::string error;
    const std::optional<bool> json = jsonFormat(batch->arguments, error);
    if (!json) return commandUsageError(kCommand, error);

    std::unique_ptr<CliWindow> window;
    const auto work = [&](std::size_t index) {
        FileReport report = showBatchSegment(window, *batch, index);
        if (report.exit_code != kExitOk) return report;
        const SpectrumReport spectrum = currentSpectrumReport();
        const std::string* file = batch->batch.many_files ? &batch->batch.files[index] : nullptr;
        if (*json) {
            report.output = spectrumJson(spectrum, file);
        } else {
            report.output =
                (file ? "" : spectrumCsvHeader(false)) + spectrumCsvRows(spectrum, file);
        }
        return report;
    };
    return runFileBatch(kCommand, batch->batch, *json ? "" : spectrumCsvHeader(true), work);
}

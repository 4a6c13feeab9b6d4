#include <memory>
#include <string>

#include "cli/arguments.h"
#include "cli/bin_report.h"
#include "cli/cli_commands.h"
#include "cli/cli_window.h"
#include "cli/file_batch.h"
#include "cli/segment_display.h"
#include "cli/segment_request.h"

// sefaro-cli spectrum FILE… [--size N] [--position P] [--format csv|json]: the spectra that
// the power and phase plots show for that segment, read from the window's own state after
// the user's actions, so that they cannot differ from what is plotted.
int runSpectrum(int argc, char** argv) {
    constexpr const char* kCommand = "spectrum";
    std::string error;
    const auto arguments =
        splitArguments(argc, argv, fileBatchSyntax({"size", "position", "format"}), error);
    if (!arguments) return commandUsageError(kCommand, error);
    int failure = kExitOk;
    const auto batch = fileBatch(*arguments, error, failure);
    if (!batch) return commandFailure(kCommand, error, failure);
    const auto segment = segmentRequest(*arguments, error);
    if (!segment) return commandUsageError(kCommand, error);
    const std::string* format = arguments->option("format");
    const bool json = format && *format == "json";
    if (format && !json && *format != "csv") {
        return commandUsageError(kCommand, "format \"" + *format + "\" is not csv or json");
    }

    // One window serves every file this process is given.
    std::unique_ptr<CliWindow> window;
    const auto work = [&](std::size_t index) {
        if (!window) window = std::make_unique<CliWindow>();
        SegmentRequest request = *segment;
        request.file = batch->files[index];
        FileReport report = showSegment(*window, request);
        if (report.exit_code != kExitOk) return report;
        const SpectrumReport spectrum = currentSpectrumReport();
        const std::string* file = batch->many_files ? &request.file : nullptr;
        if (json) {
            report.output = spectrumJson(spectrum, file);
        } else {
            report.output =
                (file ? "" : spectrumCsvHeader(false)) + spectrumCsvRows(spectrum, file);
        }
        return report;
    };
    return runFileBatch(kCommand, *batch, json ? "" : spectrumCsvHeader(true), work);
}

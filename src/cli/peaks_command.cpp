#include <memory>
#include <string>

#include "cli/arguments.h"
#include "cli/cli_commands.h"
#include "cli/cli_window.h"
#include "cli/file_batch.h"
#include "cli/peak_report.h"
#include "cli/segment_display.h"
#include "cli/segment_request.h"
#include "numbers/whole_number.h"

// sefaro-cli peaks FILE… [--size N] [--position P] [--count K] [--format csv|json]: the K
// strongest peaks of the spectrum the window plots for that segment, each at the frequency
// the window's readout names, in full precision.
int runPeaks(int argc, char** argv) {
    constexpr const char* kCommand = "peaks";
    constexpr long kDefaultCount = 5;
    std::string error;
    const auto arguments =
        splitArguments(argc, argv, fileBatchSyntax({"size", "position", "count", "format"}), error);
    if (!arguments) return commandUsageError(kCommand, error);
    int failure = kExitOk;
    const auto batch = fileBatch(*arguments, error, failure);
    if (!batch) return commandFailure(kCommand, error, failure);
    const auto segment = segmentRequest(*arguments, error);
    if (!segment) return commandUsageError(kCommand, error);
    long count = kDefaultCount;
    if (const std::string* text = arguments->option("count")) {
        const auto parsed = wholeNumber(*text);
        if (!parsed || *parsed < 1 || *parsed > segment->size / 2) {
            return commandUsageError(kCommand, "count \"" + *text +
                                                   "\" is not a whole number from 1 to " +
                                                   std::to_string(segment->size / 2));
        }
        count = *parsed;
    }
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
        const std::vector<SpectrumPeak> peaks = strongestSpectrumPeaks(spectrum, count);
        const std::string* file = batch->many_files ? &request.file : nullptr;
        if (json) {
            report.output = peaksJson(spectrum, peaks, file);
        } else {
            report.output = (file ? "" : peaksCsvHeader(false)) + peaksCsvRows(peaks, file);
        }
        return report;
    };
    return runFileBatch(kCommand, *batch, json ? "" : peaksCsvHeader(true), work);
}

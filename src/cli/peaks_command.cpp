#include <memory>
#include <string>

#include "cli/cli_commands.h"
#include "cli/peak_report.h"
#include "cli/segment_batch.h"
#include "numbers/whole_number.h"

// sefaro-cli peaks FILE… [--size N] [--position P] [--count K] [--format csv|json]: the K
// strongest peaks of the spectrum the window plots for that segment, each at the frequency
// the window's readout names, in full precision.
int runPeaks(int argc, char** argv) {
    constexpr const char* kCommand = "peaks";
    constexpr long kDefaultCount = 5;
    int exit_code = kExitOk;
    const auto batch = segmentBatch(kCommand, argc, argv, {"count", "format"}, exit_code);
    if (!batch) return exit_code;
    const long bins = batch->segment.size / 2;
    long count = kDefaultCount;
    if (const std::string* text = batch->arguments.option("count")) {
        const auto parsed = wholeNumber(*text);
        if (!parsed || *parsed < 1 || *parsed > bins) {
            return commandUsageError(
                kCommand,
                "count \"" + *text + "\" is not a whole number from 1 to " + std::to_string(bins));
        }
        count = *parsed;
    }
    std::string error;
    const std::optional<bool> json = jsonFormat(batch->arguments, error);
    if (!json) return commandUsageError(kCommand, error);

    std::unique_ptr<CliWindow> window;
    const auto work = [&](std::size_t index) {
        FileReport report = showBatchSegment(window, *batch, index);
        if (report.exit_code != kExitOk) return report;
        const SpectrumReport spectrum = currentSpectrumReport();
        const std::vector<SpectrumPeak> peaks = strongestSpectrumPeaks(spectrum, count);
        const std::string* file = batch->batch.many_files ? &batch->batch.files[index] : nullptr;
        if (*json) {
            report.output = peaksJson(spectrum, peaks, file);
        } else {
            report.output = (file ? "" : peaksCsvHeader(false)) + peaksCsvRows(peaks, file);
        }
        return report;
    };
    return runFileBatch(kCommand, batch->batch, *json ? "" : peaksCsvHeader(true), work);
}

#include <string>

#include "cli/cli_commands.h"
#include "cli/peak_report.h"
#include "cli/segment_batch.h"
#include "numbers/whole_number.h"

// sefaro-cli peaks FILE… [--size N] [--position P] [--count K] [--all] [--format csv|json]:
// the K strongest tones of the spectrum the window plots for that segment (with --all, local
// maxima, noise or not), each fitted as the window's readout fits it, in full precision.
int runPeaks(int argc, char** argv) {
    constexpr const char* kCommand = "peaks";
    constexpr long kDefaultCount = 5;
    int exit_code = kExitOk;
    const auto batch = segmentBatch(kCommand, argc, argv, {"count", "format"}, exit_code, {"all"});
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
    const bool every_maximum = batch->arguments.flag("all");
    const auto peaksOf = [count, every_maximum](const SpectrumReport& spectrum) {
        return strongestSpectrumPeaks(spectrum, count, every_maximum);
    };
    return printSpectra(kCommand, *batch,
                        {peaksCsvHeader,
                         [&](const SpectrumReport& spectrum, const std::string* file) {
                             return peaksCsvRows(peaksOf(spectrum), file);
                         },
                         [&](const SpectrumReport& spectrum, const std::string* file) {
                             return peaksJson(spectrum, peaksOf(spectrum), file);
                         }});
}

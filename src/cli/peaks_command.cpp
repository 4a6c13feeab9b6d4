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
    const auto peaksOf = [count](const SpectrumReport& spectrum) {
        return strongestSpectrumPeaks(spectrum, count);
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

#include <cstdio>
#include <string>

#include "cli/arguments.h"
#include "cli/cli_commands.h"
#include "cli/cli_window.h"
#include "cli/peak_report.h"
#include "cli/segment_display.h"
#include "cli/segment_request.h"

// sefaro-cli peaks FILE [--size N] [--position P] [--count K] [--format csv|json]: the K
// strongest peaks of the spectrum the window plots for that segment, each at the frequency
// the window's readout names, in full precision.
int runPeaks(int argc, char** argv) {
    constexpr const char* kCommand = "peaks";
    constexpr long kDefaultCount = 5;
    std::string error;
    const auto arguments =
        splitArguments(argc, argv, {"size", "position", "count", "format"}, error);
    if (!arguments) return commandUsageError(kCommand, error);
    const auto request = segmentRequest(*arguments, error);
    if (!request) return commandUsageError(kCommand, error);
    long count = kDefaultCount;
    if (const std::string* text = arguments->option("count")) {
        const auto parsed = parseWholeNumber(*text);
        if (!parsed || *parsed < 1 || *parsed > request->size / 2) {
            return commandUsageError(kCommand, "count \"" + *text +
                                                   "\" is not a whole number from 1 to " +
                                                   std::to_string(request->size / 2));
        }
        count = *parsed;
    }
    const std::string* format = arguments->option("format");
    const bool json = format && *format == "json";
    if (format && !json && *format != "csv") {
        return commandUsageError(kCommand, "format \"" + *format + "\" is not csv or json");
    }

    CliWindow window;
    if (const int shown = showSegment(window, *request, kCommand); shown != kExitOk) return shown;
    const SpectrumReport report = currentSpectrumReport();
    const std::vector<SpectrumPeak> peaks = strongestSpectrumPeaks(report, count);
    const std::string text = json ? peaksJson(report, peaks) : peaksCsv(peaks);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        return commandError(kCommand, "cannot write to standard output", kExitFailed);
    }
    return kExitOk;
}

#include <cstdio>
#include <string>

#include "cli/arguments.h"
#include "cli/cli_commands.h"
#include "cli/cli_window.h"
#include "cli/segment_display.h"
#include "cli/segment_request.h"
#include "cli/bin_report.h"

// sefaro-cli spectrum FILE [--size N] [--position P] [--format csv|json]: the spectra that
// the power and phase plots show for that segment, read from the window's own state after
// the user's actions, so that they cannot differ from what is plotted.
int runSpectrum(int argc, char** argv) {
    constexpr const char* kCommand = "spectrum";
    std::string error;
    const auto arguments = splitArguments(argc, argv, {.options = {"size", "position", "format"}}, error);
    if (!arguments) return commandUsageError(kCommand, error);
    const auto request = segmentRequest(*arguments, error);
    if (!request) return commandUsageError(kCommand, error);
    const std::string* format = arguments->option("format");
    const bool json = format && *format == "json";
    if (format && !json && *format != "csv") {
        return commandUsageError(kCommand, "format \"" + *format + "\" is not csv or json");
    }

    CliWindow window;
    if (const int shown = showSegment(window, *request, kCommand); shown != kExitOk) return shown;
    const SpectrumReport report = currentSpectrumReport();
    const std::string text = json ? spectrumJson(report) : spectrumCsv(report);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        return commandError(kCommand, "cannot write to standard output", kExitFailed);
    }
    return kExitOk;
}

#include <string>

#include "cli/arguments.h"
#include "cli/atomic_file.h"
#include "cli/cli_commands.h"
#include "cli/cli_window.h"
#include "cli/segment_display.h"
#include "cli/segment_request.h"

// sefaro-cli render FILE [--size N] [--position P] -o OUT.png: the whole window, as it
// shows that segment, grabbed from the window itself and saved as a PNG.
int runRender(int argc, char** argv) {
    constexpr const char* kCommand = "render";
    std::string error;
    const auto arguments = splitArguments(argc, argv, {.options = {"size", "position", "o"}}, error);
    if (!arguments) return commandUsageError(kCommand, error);
    const auto request = segmentRequest(*arguments, error);
    if (!request) return commandUsageError(kCommand, error);
    const std::string* output = arguments->option("o");
    if (!output || output->empty()) return commandUsageError(kCommand, "-o OUT.png is missing");

    CliWindow window;
    if (const int shown = showSegment(window, *request, kCommand); shown != kExitOk) return shown;
    const std::string png = window.windowPng();
    if (png.empty())
        return commandError(kCommand, "the window could not be encoded as PNG", kExitFailed);
    if (!writeFileAtomically(*output, png, error))
        return commandError(kCommand, error, kExitFailed);
    return kExitOk;
}

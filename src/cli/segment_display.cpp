#include "cli/segment_display.h"

#include <cstdio>
#include <string>

#include "cli/cli_commands.h"
#include "cli/cli_window.h"
#include "wave/analysis_state.h"

namespace {

void printMessages(CliWindow& window) {
    for (const WSshownMessage& message : window.takeMessages())
        std::fprintf(stderr, "%s\n", message.text.c_str());
}

}  // namespace

int showSegment(CliWindow& window, const SegmentRequest& request, const char* command) {
    if (!window.chooseSize(std::to_string(request.size))) {
        return commandUsageError(
            command, "size " + std::to_string(request.size) + " is not in the size box");
    }
    window.load(request.file);
    printMessages(window);
    // A fresh window holds a wave only once the reader has accepted the file.
    if (!siii) return kExitRefused;
    if (const auto why = segmentRangeError(request, maxsize))
        return commandError(command, *why, kExitUsage);
    window.slide(static_cast<int>(request.position));
    window.release();
    printMessages(window);
    return kExitOk;
}

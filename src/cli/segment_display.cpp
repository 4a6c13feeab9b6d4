#include "cli/segment_display.h"

#include <string>

#include "cli/cli_commands.h"
#include "cli/cli_window.h"
#include "cli/command_wave.h"
#include "wave/analysis_state.h"

FileReport showSegment(CliWindow& window, const SegmentRequest& request, const WaveSource& source) {
    FileReport report;
    // The load reads the size box, and choosing it again would only redo the file shown
    // before; so it is chosen only when it shows another size.
    const std::string size = std::to_string(request.size);
    if (window.shownSize() != size && !window.chooseSize(size)) {
        report.exit_code = kExitUsage;
        report.error = "size " + std::to_string(request.size) + " is not in the size box";
        return report;
    }
    report = loadCommandWave(window, request.file, source);
    if (report.exit_code != kExitOk) return report;
    if (auto why = segmentRangeError(request, maxsize)) {
        report.exit_code = kExitUsage;
        report.error = std::move(*why);
        return report;
    }
    // The load analysed the segment at 0 already.
    if (request.position != 0) {
        window.slide(static_cast<int>(request.position));
        window.release();
    }
    for (WSshownMessage& message : window.takeMessages())
        report.messages.push_back(std::move(message.text));
    return report;
}

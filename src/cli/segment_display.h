#pragma once

#include "cli/file_report.h"
#include "cli/segment_request.h"

class CliWindow;
struct WaveSource;

// Shows the requested segment as a user would: N chosen in the size box (unless it shows N
// already), the file loaded as source says (loadCommandWave), the slider dragged to the position
// and let go unless the position is 0, where the load leaves it. Choosing N first makes the load
// build the segment at that size at once. The report holds every message the user would read, and
// kExitOk; or the load's exit code and reason; or kExitUsage with the reason when the wave is
// shorter than N or the position lies outside the slider's range. The window may have shown other
// files before.
FileReport showSegment(CliWindow& window, const SegmentRequest& request, const WaveSource& source);

#pragma once

#include "cli/segment_request.h"

class CliWindow;

// Shows the requested segment as a user would: N chosen in the size box, the file loaded
// through "select WAVE", the slider dragged to the position and let go. Choosing N first
// makes the load build the segment at that size at once. Each message the user would read
// goes to stderr. kExitOk, or kExitRefused (the reader's message already on stderr), or
// kExitUsage with its line on stderr when the wave is shorter than N or the position lies
// outside the slider's range.
int showSegment(CliWindow& window, const SegmentRequest& request, const char* command);

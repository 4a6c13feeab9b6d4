#pragma once

#include <optional>
#include <string>

#include "cli/arguments.h"
#include "names/window_names.h"

// Which segment of which file a command shows: FILE [--size N] [--position P], as a user
// would pick them in the window.
struct SegmentRequest {
    std::string file;
    long size = names::kDefaultSegmentSize;  // one of the size box's items
    long position = 0;  // the slider's value; its range is known once the file is read
};

// The size box's items as a user reads them: "512, 1024, 2048, 4096".
std::string segmentSizesText();

// The size and position from a command's options "size" and "position", for a file still
// to be named; nothing, and error set to one line, when a value is no whole number or not
// one of the sizes.
std::optional<SegmentRequest> segmentRequest(const CommandArguments& arguments, std::string& error);

// One line saying why the request cannot be shown for a wave of points samples, or nothing
// when it can: the wave must hold the whole segment, and the position must lie in the
// slider's range 0 … points − size.
std::optional<std::string> segmentRangeError(const SegmentRequest& request, long points);

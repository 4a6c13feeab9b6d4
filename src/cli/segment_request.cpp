#include "cli/segment_request.h"

#include <algorithm>

#include "names/window_names.h"
#include "numbers/whole_number.h"

namespace {

// The sizes no larger than limit, as a user reads a list: "512, 1024".
std::string sizesUpTo(long limit) {
    std::string list;
    for (long size : names::kSegmentSizes) {
        if (size <= limit) list += (list.empty() ? "" : ", ") + std::to_string(size);
    }
    return list;
}

}  // namespace

std::string segmentSizesText() {
    return sizesUpTo(names::kSegmentSizes.back());
}

std::optional<SegmentRequest> segmentRequest(const CommandArguments& arguments,
                                             std::string& error) {
    SegmentRequest request;
    if (const std::string* text = arguments.option("size")) {
        const std::optional<long> size = wholeNumber(*text);
        if (!size || std::ranges::find(names::kSegmentSizes, *size) == names::kSegmentSizes.end()) {
            error = "size \"" + *text + "\" is not one of " + segmentSizesText();
            return std::nullopt;
        }
        request.size = *size;
    }
    if (const std::string* text = arguments.option("position")) {
        const std::optional<long> position = wholeNumber(*text);
        if (!position) {
            error = "position \"" + *text + "\" is not a whole number of samples";
            return std::nullopt;
        }
        request.position = *position;
    }
    return request;
}

std::optional<std::string> segmentRangeError(const SegmentRequest& request, long points) {
    const std::string samples = std::to_string(points) + " samples";
    if (points < request.size) {
        const std::string fitting = sizesUpTo(points);
        return "the file has " + samples + ", fewer than the size " + std::to_string(request.size) +
               (fitting.empty()
                    ? "; every size needs at least " + std::to_string(names::kSegmentSizes.front())
                    : "; sizes that fit: " + fitting);
    }
    const long last = points - request.size;
    if (request.position < 0 || request.position > last) {
        return "position " + std::to_string(request.position) + " is outside 0 to " +
               std::to_string(last) + " (" + samples + ", size " + std::to_string(request.size) +
               ")";
    }
    return std::nullopt;
}

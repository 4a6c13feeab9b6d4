#include "cli/picture_request.h"

#include <charconv>

#include "numbers/whole_number.h"

namespace {

constexpr long kLargestWindowSide = 8000;
constexpr double kLeastScale = 1, kLargestScale = 4;

// "WxH" as two whole numbers that fit windowSizeFits; nothing otherwise.
std::optional<PictureRequest> windowSize(std::string_view text) {
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    const std::optional<long> width = wholeNumber(text.substr(0, x));
    const std::optional<long> height = wholeNumber(text.substr(x + 1));
    if (!width || !height || !windowSizeFits(*width, *height)) return std::nullopt;
    PictureRequest request;
    request.width = static_cast<int>(*width);
    request.height = static_cast<int>(*height);
    return request;
}

// A decimal number from 1 to 4, the whole text; nothing otherwise.
std::optional<double> scale(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (text.empty() || error != std::errc() || stop != end || !(value >= kLeastScale) ||
        !(value <= kLargestScale))
        return std::nullopt;
    return value;
}

}  // namespace

bool windowSizeFits(long width, long height) {
    return width >= names::kLeastWindowWidth && height >= names::kLeastWindowHeight &&
           width <= kLargestWindowSide && height <= kLargestWindowSide;
}

std::string windowSizesText() {
    return "from " + std::to_string(names::kLeastWindowWidth) + " x " +
           std::to_string(names::kLeastWindowHeight) + " to " + std::to_string(kLargestWindowSide) +
           " x " + std::to_string(kLargestWindowSide);
}

std::optional<PictureRequest> pictureRequest(const CommandArguments& arguments,
                                             std::string& error) {
    PictureRequest request;
    if (const std::string* text = arguments.option("window-size")) {
        const std::optional<PictureRequest> size = windowSize(*text);
        if (!size) {
            error = "window-size \"" + *text + "\" is not WxH " + windowSizesText();
            return std::nullopt;
        }
        request = *size;
    }
    if (const std::string* text = arguments.option("scale")) {
        const std::optional<double> value = scale(*text);
        if (!value) {
            error = "scale \"" + *text + "\" is not a number from 1 to 4";
            return std::nullopt;
        }
        request.scale = *value;
    }
    return request;
}

#include "cli/picture_request.h"

#include <charconv>
#include <cmath>

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

// A decimal number, the whole text; nothing otherwise.
std::optional<double> decimal(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The value of the option name, a decimal number from 1 to 4, or 1 when it is not given;
// nothing, and error set, otherwise.
std::optional<double> ratioOption(const CommandArguments& arguments, const std::string& name,
                                  std::string& error) {
    const std::string* text = arguments.option(name);
    if (!text) return 1.0;
    const std::optional<double> value = decimal(*text);
    if (!value || !(*value >= kLeastScale) || !(*value <= kLargestScale)) {
        error = name + " \"" + *text + "\" is not a number from 1 to 4";
        return std::nullopt;
    }
    return value;
}

// "LOW:HIGH", two decimal numbers with 0 ≤ LOW < HIGH; nothing otherwise.
std::optional<std::pair<double, double>> frequencyRange(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::optional<double> low = decimal(text.substr(0, colon));
    const std::optional<double> high = decimal(text.substr(colon + 1));
    if (!low || !high || !(*low >= 0) || !(*low < *high)) return std::nullopt;
    return std::pair(*low, *high);
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

std::optional<double> screenScale(const CommandArguments& arguments, std::string& error) {
    return ratioOption(arguments, "screen-scale", error);
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
    const std::optional<double> scale = ratioOption(arguments, "scale", error);
    const std::optional<double> screen_scale = screenScale(arguments, error);
    if (!scale || !screen_scale) return std::nullopt;
    request.scale = *scale;
    request.screen_scale = *screen_scale;
    if (const std::string* text = arguments.option("frequency-range")) {
        request.frequency_range_hz = frequencyRange(*text);
        if (!request.frequency_range_hz) {
            error = "frequency-range \"" + *text + "\" is not LOW:HIGH in Hz, 0 <= LOW < HIGH";
            return std::nullopt;
        }
    }
    request.log_axis = arguments.flag("log-axis");
    return request;
}

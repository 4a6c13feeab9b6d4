#include "numbers/excerpt_choice.h"

#include <charconv>
#include <cmath>

#include "numbers/whole_number.h"

std::optional<double> excerptStartSeconds(std::string_view text) {
    double seconds = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, seconds, std::chars_format::fixed);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(seconds) ||
        seconds < 0)
        return std::nullopt;
    return seconds;
}

std::optional<int> excerptChannel(std::string_view text) {
    if (text == "mean") return 0;
    const std::optional<int> channel = wholeInt(text);
    if (!channel || *channel < 1) return std::nullopt;
    return channel;
}

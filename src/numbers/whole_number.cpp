#include "numbers/whole_number.h"

#include <charconv>
#include <cstdlib>
#include <string>

std::optional<long> leadingWholeNumber(std::string_view text) {
    // strtol is the conversion "%ld" is defined by; it needs the text null-terminated.
    const std::string terminated(text);
    char* end = nullptr;
    const long value = std::strtol(terminated.c_str(), &end, 10);
    if (end == terminated.c_str()) return std::nullopt;
    return value;
}

std::optional<long> wholeNumber(std::string_view text) {
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    if (text.empty() || failure != std::errc() || stop != end) return std::nullopt;
    return value;
}

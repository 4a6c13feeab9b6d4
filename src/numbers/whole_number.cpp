#include "numbers/whole_number.h"

#include <charconv>
#include <cstdlib>

namespace {

template <typename Number>
std::optional<Number> whole(std::string_view text) {
    Number value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    if (text.empty() || failure != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace

std::optional<long> leadingWholeNumber(const char* text) {
    // strtol is the conversion "%ld" is defined by.
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text) return std::nullopt;
    return value;
}

std::optional<long> wholeNumber(std::string_view text) {
    return whole<long>(text);
}

std::optional<int> wholeInt(std::string_view text) {
    return whole<int>(text);
}

#include "toolkit/WSband.h"

#include <limits>

#include "numbers/whole_number.h"

namespace {

constexpr uint32_t kBandColour = 0x3daee9;

// A quarter of the way from channel to target, rounded to the nearest integer.
uint32_t towardBand(uint32_t pixel, uint32_t target, int shift) {
    const uint32_t from = (pixel >> shift) & 0xffu;
    const uint32_t to = (target >> shift) & 0xffu;
    return ((3 * from + to + 2) / 4) << shift;
}

}  // namespace

std::string bandText(const WSband& band) {
    return std::to_string(band.first_column) + ',' + std::to_string(band.last_column);
}

std::optional<WSband> parseBand(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const std::optional<long> first = wholeNumber(text.substr(0, comma));
    const std::optional<long> last = wholeNumber(text.substr(comma + 1));
    const auto fits = [](std::optional<long> column) {
        return column && *column >= std::numeric_limits<int>::min() &&
               *column <= std::numeric_limits<int>::max();
    };
    if (!fits(first) || !fits(last) || *first > *last) return std::nullopt;
    return WSband{static_cast<int>(*first), static_cast<int>(*last)};
}

uint32_t bandPixel(uint32_t pixel) {
    return (pixel & 0xff000000u) | towardBand(pixel, kBandColour, 16) |
           towardBand(pixel, kBandColour, 8) | towardBand(pixel, kBandColour, 0);
}

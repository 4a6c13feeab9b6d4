#include "toolkit/WSband.h"

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
    const std::optional<int> first = wholeInt(text.substr(0, comma));
    const std::optional<int> last = wholeInt(text.substr(comma + 1));
    if (!first || !last || *first > *last) return std::nullopt;
    return WSband{*first, *last};
}

uint32_t bandPixel(uint32_t pixel) {
    return (pixel & 0xff000000u) | towardBand(pixel, kBandColour, 16) |
           towardBand(pixel, kBandColour, 8) | towardBand(pixel, kBandColour, 0);
}

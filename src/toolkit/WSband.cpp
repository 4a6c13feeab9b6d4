#include "toolkit/WSband.h"

#include <charconv>

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
    WSband band;
    const char* end = text.data() + text.size();
    const auto first = std::from_chars(text.data(), text.data() + comma, band.first_column);
    const auto last = std::from_chars(text.data() + comma + 1, end, band.last_column);
    if (first.ec != std::errc() || first.ptr != text.data() + comma || last.ec != std::errc() ||
        last.ptr != end || band.first_column > band.last_column) {
        return std::nullopt;
    }
    return band;
}

uint32_t bandPixel(uint32_t pixel) {
    return (pixel & 0xff000000u) | towardBand(pixel, kBandColour, 16) |
           towardBand(pixel, kBandColour, 8) | towardBand(pixel, kBandColour, 0);
}

#include "toolkit/WSband.h"

#include <algorithm>
#include <cmath>

#include "numbers/whole_number.h"
#include "toolkit/WSDdev.h"

namespace {

// Products such as 3 × 1.1 come out a hair off the whole number they stand for.
constexpr double kRoundingSlack = 1e-9;

// A column worked out in floating point; one far outside any picture is held where it
// still has an int value.
int deviceColumn(double column) {
    constexpr double kFarthest = 1e8;
    return static_cast<int>(std::clamp(column, -kFarthest, kFarthest));
}

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

WSband deviceBand(const WSband& band, double ratio) {
    const double r = usablePixelRatio(ratio);
    return {deviceColumn(std::floor(band.first_column * r + kRoundingSlack)),
            deviceColumn(std::ceil((band.last_column + 1.0) * r - kRoundingSlack)) - 1};
}

uint32_t bandPixel(uint32_t pixel, uint32_t colour) {
    return (pixel & 0xff000000u) | towardBand(pixel, colour, 16) | towardBand(pixel, colour, 8) |
           towardBand(pixel, colour, 0);
}

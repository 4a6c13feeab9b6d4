#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A band a drawing area shows over its picture (its _WSNoverlayBand property, or
// _WSNoverlaySecondBand): whole columns, both ends included, tinted a quarter of the way
// toward the band's colour.
struct WSband {
    int first_column = 0;
    int last_column = 0;
};

// "FIRST,LAST", as the property holds it.
std::string bandText(const WSband& band);
// The band the text names; nothing for an empty or malformed text, or FIRST > LAST.
std::optional<WSband> parseBand(std::string_view text);

// The device columns that show the band on a picture of that pixel ratio: each one that a
// logical column of the band covers at least in part, ⌊first·ratio⌋ … ⌈(last + 1)·ratio⌉ − 1.
WSband deviceBand(const WSband& band, double ratio);

inline constexpr uint32_t kBandColour = 0x3daee9;        // light blue
inline constexpr uint32_t kSecondBandColour = 0xf67400;  // orange

// An RGB32 pixel as it shows inside a band of that colour: each channel moved a quarter of
// the way toward it, rounded.
uint32_t bandPixel(uint32_t pixel, uint32_t colour = kBandColour);

#include "cli/option_needs.h"

#include <array>
#include <utility>

#include "cli/picture_request.h"
#include "cli/segment_request.h"

std::string optionNeeds(std::string_view name) {
    if (name == "size") return "one of " + segmentSizesText();
    if (name == "window-size") return "WxH, " + windowSizesText();
    constexpr std::array<std::pair<std::string_view, std::string_view>, 12> kNeeds = {{
        {"position", "a whole number of samples"},
        {"reference-position", "a whole number of samples"},
        {"reference", "a FILE to compare with"},
        {"count", "a whole number of peaks"},
        {"format", "csv or json"},
        {"files-from", "a LIST, one path a line (- for standard input)"},
        {"j", "a whole number of workers from 1 to 1024"},
        {"o", "OUT.png or DIR"},
        {"shots", "a folder DIR"},
        {"scale", "a number from 1 to 4"},
        {"screen-scale", "a number from 1 to 4"},
        {"frequency-range", "LOW:HIGH in Hz"},
    }};
    for (const auto& [option, needs] : kNeeds) {
        if (option == name) return std::string(needs);
    }
    return "a value";
}

#include "cli/replay_script.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <utility>

#include "cli/picture_request.h"
#include "cli/segment_request.h"
#include "names/window_names.h"
#include "numbers/excerpt_choice.h"
#include "numbers/whole_number.h"

namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr int kMostWheelSteps = 100;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

constexpr std::array<std::pair<std::string_view, ReplayVerb>, 24> kVerbs = {{
    {"load", ReplayVerb::load},
    {"cancel", ReplayVerb::cancel},
    {"size", ReplayVerb::size},
    {"slide", ReplayVerb::slide},
    {"release", ReplayVerb::release},
    {"back", ReplayVerb::back},
    {"forw", ReplayVerb::forw},
    {"key", ReplayVerb::key},
    {"focus", ReplayVerb::focus},
    {"point", ReplayVerb::point},
    {"click", ReplayVerb::click},
    {"drag", ReplayVerb::drag},
    {"leave", ReplayVerb::leave},
    {"resize", ReplayVerb::resize},
    {"wheel", ReplayVerb::wheel},
    {"axis", ReplayVerb::axis},
    {"open-any", ReplayVerb::open_any},
    {"pick", ReplayVerb::pick},
    {"picker-from", ReplayVerb::picker_from},
    {"picker-channel", ReplayVerb::picker_channel},
    {"picker-ok", ReplayVerb::picker_ok},
    {"picker-cancel", ReplayVerb::picker_cancel},
    {"reference", ReplayVerb::reference_hold},  // hold, open or drop: told by what follows
    {"difference", ReplayVerb::difference},
}};

constexpr std::array<std::string_view, 11> kKeys = {"Left",   "Right", "PageUp",     "PageDown",
                                                    "Home",   "End",   "Shift+Left", "Shift+Right",
                                                    "Escape", "Plus",  "Minus"};

constexpr std::array<std::pair<std::string_view, const char*>, 3> kFocusTargets = {{
    {"power", names::kPowerArea},
    {"phase", names::kPhaseArea},
    {"slider", names::kPositionSlider},
}};

template <typename T, std::size_t n>
const T* lookUp(const std::array<std::pair<std::string_view, T>, n>& table, std::string_view name) {
    for (const auto& [text, value] : table) {
        if (text == name) return &value;
    }
    return nullptr;
}

// Exactly count whole numbers that fit an int, separated by blanks; nothing otherwise.
std::optional<std::vector<int>> parseNumbers(std::string_view text, std::size_t count) {
    std::vector<int> numbers;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of(kBlanks), text.size());
        const std::optional<long> number = wholeNumber(text.substr(0, end));
        if (!number || *number < INT_MIN || *number > INT_MAX) return std::nullopt;
        numbers.push_back(static_cast<int>(*number));
        text = trimmed(text.substr(end));
    }
    if (numbers.size() != count) return std::nullopt;
    return numbers;
}

// The last word of text and what comes before it, blanks between them dropped.
std::pair<std::string_view, std::string_view> splitLastWord(std::string_view text) {
    const std::size_t blank = text.find_last_of(kBlanks);
    if (blank == std::string_view::npos) return {{}, text};
    return {trimmed(text.substr(0, blank)), text.substr(blank + 1)};
}

// "PATH [SECONDS [CHANNEL]]": the words at the end are taken as the start and the channel
// when they read as such and a PATH stays before them.
void takeExcerptChoice(std::string_view rest, ReplayAction& action) {
    action.argument = std::string(rest);
    const auto [before_last, last] = splitLastWord(rest);
    const auto [before_both, second_last] = splitLastWord(before_last);
    const auto channel = excerptChannel(last);
    const auto seconds_then_channel = excerptStartSeconds(second_last);
    if (channel && seconds_then_channel && !before_both.empty()) {
        action.argument = std::string(before_both);
        action.seconds = *seconds_then_channel;
        action.channel = *channel;
    } else if (const auto seconds = excerptStartSeconds(last); seconds && !before_last.empty()) {
        action.argument = std::string(before_last);
        action.seconds = *seconds;
    }
}

}  // namespace

std::optional<ReplayAction> parseReplayLine(std::string_view line, std::string& error) {
    error.clear();
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == '#') return std::nullopt;

    const std::size_t word_end = std::min(text.find_first_of(kBlanks), text.size());
    const std::string_view word = text.substr(0, word_end);
    const std::string_view rest = trimmed(text.substr(word_end));
    const ReplayVerb* verb = lookUp(kVerbs, word);
    if (!verb) {
        error = "unknown action \"" + std::string(word) + "\"";
        return std::nullopt;
    }

    ReplayAction action;
    action.verb = *verb;
    action.text = std::string(text);
    const auto malformed = [&](const char* wanted) {
        error = "\"" + std::string(text) + "\": " + wanted;
        return std::nullopt;
    };
    switch (*verb) {
        case ReplayVerb::load:
            if (rest.empty()) return malformed("load needs a PATH");
            action.argument = std::string(rest);
            break;
        case ReplayVerb::size:
            if (!wholeNumber(rest)) return malformed("size needs a number N");
            if (std::ranges::none_of(names::kSegmentSizes,
                                     [&](long size) { return std::to_string(size) == rest; })) {
                error = "the size box has no item \"" + std::string(rest) + "\" (" +
                        segmentSizesText() + ")";
                return std::nullopt;
            }
            action.argument = std::string(rest);
            break;
        case ReplayVerb::slide: {
            auto value = parseNumbers(rest, 1);
            if (!value) return malformed("slide needs a whole number P");
            action.numbers = std::move(*value);
            break;
        }
        case ReplayVerb::key: {
            if (std::find(kKeys.begin(), kKeys.end(), rest) == kKeys.end()) {
                return malformed(
                    "key needs one of Left, Right, PageUp, PageDown, Home, End, Shift+Left, "
                    "Shift+Right, Escape, Plus, Minus");
            }
            action.argument = std::string(rest);
            break;
        }
        case ReplayVerb::focus: {
            const char* const* target = lookUp(kFocusTargets, rest);
            if (!target) return malformed("focus needs one of power, phase, slider");
            action.argument = *target;
            break;
        }
        case ReplayVerb::point:
        case ReplayVerb::click:
        case ReplayVerb::drag: {
            const bool is_drag = *verb == ReplayVerb::drag;
            auto coordinates = parseNumbers(rest, is_drag ? 4 : 2);
            if (!coordinates) {
                return malformed(is_drag ? "drag needs four whole numbers X1 Y1 X2 Y2"
                                         : "this action needs two whole numbers X Y");
            }
            action.numbers = std::move(*coordinates);
            break;
        }
        case ReplayVerb::resize: {
            auto size = parseNumbers(rest, 2);
            if (!size || !windowSizeFits((*size)[0], (*size)[1]))
                return malformed(
                    ("resize needs two whole numbers W H, " + windowSizesText()).c_str());
            action.numbers = std::move(*size);
            break;
        }
        case ReplayVerb::wheel: {
            auto numbers = parseNumbers(rest, 3);
            if (!numbers || (*numbers)[2] == 0 || std::abs((*numbers)[2]) > kMostWheelSteps)
                return malformed("wheel needs whole numbers X Y and STEPS from -100 to 100, not 0");
            action.numbers = std::move(*numbers);
            break;
        }
        case ReplayVerb::axis:
            if (rest != "linear" && rest != "log") return malformed("axis needs linear or log");
            action.argument = std::string(rest);
            break;
        case ReplayVerb::open_any:
            if (rest.empty()) return malformed("open-any needs a PATH");
            takeExcerptChoice(rest, action);
            break;
        case ReplayVerb::pick:
            if (rest.empty()) return malformed("pick needs a PATH");
            action.argument = std::string(rest);
            break;
        case ReplayVerb::picker_from: {
            const auto seconds = excerptStartSeconds(rest);
            if (!seconds) return malformed("picker-from needs a number of SECONDS from 0");
            action.seconds = *seconds;
            break;
        }
        case ReplayVerb::picker_channel: {
            const auto channel = excerptChannel(rest);
            if (!channel) return malformed("picker-channel needs mean or a channel from 1");
            action.channel = *channel;
            break;
        }
        case ReplayVerb::reference_hold:
        case ReplayVerb::reference_open:
        case ReplayVerb::reference_drop: {
            const auto [before_last, last] = splitLastWord(rest);
            if (rest == "hold" || rest == "drop") {
                action.verb =
                    rest == "hold" ? ReplayVerb::reference_hold : ReplayVerb::reference_drop;
            } else if (rest.starts_with("open") && rest.size() > 4 &&
                       kBlanks.find(rest[4]) != std::string_view::npos &&
                       !trimmed(before_last.substr(4)).empty() && parseNumbers(last, 1)) {
                action.verb = ReplayVerb::reference_open;
                action.argument = std::string(trimmed(before_last.substr(4)));
                action.numbers = *parseNumbers(last, 1);
            } else {
                return malformed("reference needs hold, drop or open PATH POSITION");
            }
            break;
        }
        case ReplayVerb::difference:
            if (rest != "on" && rest != "off") return malformed("difference needs on or off");
            action.argument = std::string(rest);
            break;
        case ReplayVerb::cancel:
        case ReplayVerb::picker_ok:
        case ReplayVerb::picker_cancel:
        case ReplayVerb::leave:
        case ReplayVerb::release:
        case ReplayVerb::back:
        case ReplayVerb::forw:
            if (!rest.empty()) return malformed("this action takes nothing after it");
            break;
    }
    return action;
}

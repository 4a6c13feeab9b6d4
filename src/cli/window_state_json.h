#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/WSscriptedUser.h"

class WSCexcerptPicker;

// The frequencies the spectrum plots show, in Hz, and whether on a logarithmic axis.
struct ShownFrequencies {
    double low_hz = 0;
    double high_hz = 0;
    bool logarithmic = false;
};

// One record of a replay, on one line: the action's number and script line, the action,
// the messages it showed, the tooltip under the pointer (null when none), the window's size
// as [width, height], the spectra's "frequency_range" as [low, high] in Hz and "log_axis",
// and every widget
// of the main window (the window first, then its children in creation order) with its
// property table as text. The slider's value, minimum, maximum and drag interval are always
// present, as getProperty reads them. While the excerpt picker is shown, "picker" holds its
// facts, the recording's length, the excerpt's start and its channel (0: the mean).
std::string windowStateJson(long step, long line, std::string_view action,
                            const std::vector<WSshownMessage>& messages,
                            const std::optional<std::string>& tooltip,
                            const ShownFrequencies& frequencies,
                            const WSCexcerptPicker* picker = nullptr);

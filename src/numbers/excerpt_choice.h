#pragma once

#include <optional>
#include <string_view>

// An excerpt's start and channel as a user writes them on a command line or in a replay
// script.

// Seconds from the start: a finite decimal number of at least 0 ("12", "0.25"), the whole
// text; nothing otherwise.
std::optional<double> excerptStartSeconds(std::string_view text);

// "mean" for the mean of all channels (0), or a channel counted from 1; nothing otherwise.
std::optional<int> excerptChannel(std::string_view text);

#pragma once

#include <optional>
#include <string_view>

// Every reading of a decimal whole number from text, in its two forms.

// As the callbacks read a widget's text, the way "%ld" of scanf reads it: blanks skipped,
// an optional sign, then the digits that follow, whatever comes after them ("12px" is 12);
// a number beyond the range of long gives its nearest end. Nothing when no digit comes.
std::optional<long> leadingWholeNumber(std::string_view text);

// As the command line and replay scripts read a value: the whole text is an optional minus
// sign and digits, within the range of long; anything else gives nothing.
std::optional<long> wholeNumber(std::string_view text);

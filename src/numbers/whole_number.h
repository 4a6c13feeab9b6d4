#pragma once

#include <optional>
#include <string>
#include <string_view>

// Every reading of a decimal whole number from text, in its two forms.

// As the callbacks read a widget's text, the way "%ld" of scanf reads it: blanks skipped,
// an optional sign, then the digits that follow, whatever comes after them ("12px" is 12);
// a number beyond the range of long gives its nearest end. Nothing when no digit comes.
std::optional<long> leadingWholeNumber(const char* text);
// The same for a std::string's text, read where it is.
inline std::optional<long> leadingWholeNumber(const std::string& text) {
    return leadingWholeNumber(text.c_str());
}

// As the command line and replay scripts read a value: the whole text is an optional minus
// sign and digits, within the range of long; anything else gives nothing.
std::optional<long> wholeNumber(std::string_view text);
// The same within the range of int, as the toolkit reads a size or a column.
std::optional<int> wholeInt(std::string_view text);

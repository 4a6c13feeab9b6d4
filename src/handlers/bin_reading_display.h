#pragma once

#include <optional>
#include <string>

// The reading of one bin of the analysed segment, by the pointer or by the keys.

// Both captions, and both spectrum plots' tooltips in the long form: the reading of that
// bin, or their own texts and no tooltip for none. Without a segment the captions read
// their own texts and the tooltips stay.
void showSpectrumReading(std::optional<long> bin);

// The long form of the reading shown now; empty when none is.
std::string currentSpectrumReading();

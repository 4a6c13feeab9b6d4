#pragma once

#include <optional>
#include <string>

// The reading that the keys move over a focused spectrum plot: one bin of the analysed
// segment, shown by both captions and tooltips exactly as the pointer's reading.

// A key on a focused spectrum plot moves the reading, or ends it (Escape).
void moveKeyboardReading(const std::string& key);
// The plot gained or lost the focus: the reading is shown again, or left out until then.
void showKeyboardReading();
void hideKeyboardReading();
// After the segment moved, changed size or was analysed again: a shown reading reads the
// same bin (or the last) of what is shown now.
void followKeyboardReading();
// The pointer took the reading over.
void endKeyboardReading();
// The bin the keys read on the focused plot; none when no reading is shown.
std::optional<long> keyboardReadingBin();

#pragma once

#include <string>

// What the pointer callbacks show, each widget looked up by name and skipped when missing.

// The power and phase captions read these texts.
void showCaptions(const std::string& power_text, const std::string& phase_text);
// The captions read their own texts.
void showPlainCaptions();

// The drawing area's tooltip; an empty text shows none.
void showAreaTooltip(const char* area_name, const std::string& text);
// Both spectrum plots' tooltips.
void showSpectrumTooltips(const std::string& text);

// The bands on the whole wave: over the segment's columns, or none without a segment; and
// over the reference's, while it is a segment of the wave loaded.
void showWaveBands();

// Sets the slider's value to position and raises its value change, as a user's drag does.
void dragSliderTo(long position_samples);
// Raises the slider's activate, as a user's letting go does.
void releaseSlider();

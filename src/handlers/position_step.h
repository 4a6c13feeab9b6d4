#pragma once

// Moves the analysed segment by step_samples (−1 or +1) within 0 … the slider's maximum,
// redoes the whole analysis there, then writes the new position back into the slider.
// Does nothing without a wave, a segment or the slider.
void stepPosition(long step_samples);

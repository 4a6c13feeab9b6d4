#pragma once

// Which plots a size change redraws besides those of the segment.
enum class WaveView { keep, redraw };

// Rebuilds the segment for the N shown in the size combo box: shows the whole linear
// frequency axis again, releases the old segment,
// makes the new one at position 0 when N fits in the wave, redraws the plots (the whole
// wave too when asked) and the spectra, and resets the slider's range, raising
// slider_event on it. Without a segment the segment and spectrum plots show their empty
// frames and say why.
void changeSegmentSize(WaveView wave_view, long slider_event);

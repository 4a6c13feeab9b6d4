#pragma once

struct Spectrum;

// What each plot shows, drawn through the view update sequence. The segment keeps the
// whole wave's vertical scale (its peak is passed in), so that moving along the wave
// shows loud and quiet parts as they are; the phase plot's scale is fixed just above π.
void drawWaveView(short wave_peak);
void drawSegmentView(short wave_peak);
// The power and phase plots of the segment analysed last, over the shown frequency axis; a
// plot whose buffer does not exist is skipped. Zoomed or logarithmic, the power plot is
// scaled to its largest value in view.
void drawSpectrumViews(const Spectrum& spectrum);
// The power and phase plots drawn again as they show now: the spectra analysed last, or
// their empty frames without a segment.
void redrawSpectrumViews();

// Every plot drawn again as it shows now, at its area's present size and pixel ratio: the
// whole wave, the segment and the spectra analysed last, or the empty frames of those there
// are none of.
void redrawViews();

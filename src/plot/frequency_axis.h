#pragma once

#include <string>
#include <vector>

#include "plot/plot_columns.h"

// The frequencies the power and phase plots show, both alike: the whole axis, 0 … rate/2, as
// it was designed, or a range of it the user zoomed to, on a linear or a logarithmic axis.
// The logarithmic axis runs from one bin, rate/N, to rate/2.

struct FrequencyAxis {
    bool logarithmic = false;
    bool zoomed = false;
    double low_hz = 0;  // the range shown while zoomed
    double high_hz = 0;
    bool operator==(const FrequencyAxis&) const = default;
};

// The bins of an analysis of size-point segments at rate_hz: size/2 of them, rate/size apart.
struct SpectrumGrid {
    long rate_hz = 0;
    long size = 0;
};

struct FrequencyRange {
    double low_hz = 0;
    double high_hz = 0;
};

// Where a frequency lies among the bins: hz / (rate/size), with its fraction.
double binAt(double hz, const SpectrumGrid& grid);

// The whole linear axis: the plots exactly as designed.
inline bool drawnAsDesigned(const FrequencyAxis& axis) {
    return !axis.logarithmic && !axis.zoomed;
}

// The range shown: the zoomed one, or the whole axis.
FrequencyRange shownRange(const FrequencyAxis& axis, const SpectrumGrid& grid);

// The bins that range covers, as the curves lay out their points: 0 … size/2 exactly on the
// whole linear axis.
PointRange binRange(const FrequencyAxis& axis, const SpectrumGrid& grid);

// The axis showing low_hz … high_hz, held within the whole axis; the whole axis when nothing
// of the range is left.
FrequencyAxis axisShowing(bool logarithmic, FrequencyRange range, const SpectrumGrid& grid);

// The frequency at x (logical pixels, with their fraction) of a plot of that width.
double frequencyAt(const FrequencyAxis& axis, const SpectrumGrid& grid, unsigned short width,
                   double x);

// Zoomed in by factor (below 1: out) about the frequency at x, which stays at x unless the
// range would leave the whole axis; down to a range of 8 bins (an eighth of an octave when
// logarithmic), and back to the whole axis when zoomed out that far.
FrequencyAxis zoomedAxis(const FrequencyAxis& axis, const SpectrumGrid& grid, unsigned short width,
                         double x, double factor);

// A zoomed range moved, its extent kept, so that frequency_hz lies at x, within the whole axis.
FrequencyAxis pannedAxis(const FrequencyAxis& axis, const SpectrumGrid& grid, unsigned short width,
                         double frequency_hz, double x);

// The frequencies labelled under the power plot, within the range shown and short of its
// ends: every 5000 Hz on the whole linear axis; zoomed, the multiples of the 1-2-5 step that
// gives at most 8 across the range; on a logarithmic axis 20, 50, 100, 200, 500, 1k … (the
// 1-2-5 step again where fewer than two of those are in range).
std::vector<double> labelledFrequencies(const FrequencyAxis& axis, const SpectrumGrid& grid);

// A label as it is read under a tick: "200", "5k", "1.25k".
std::string frequencyLabel(double hz);

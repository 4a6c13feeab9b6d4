#pragma once

#include "plot/frequency_axis.h"

class WSCvdrawingArea;
class WSDdev;

// The frequency axis the power and phase plots show: as designed (the whole linear axis)
// until the user zooms or asks for the logarithmic axis, and again after each load and size
// change. The plots are drawn over it; nothing here draws them again.
const FrequencyAxis& shownAxis();
void setShownAxis(const FrequencyAxis& axis);

// The bins of an analysis shown: sampleFreq and selsize.
SpectrumGrid shownGrid();

// Where the bins of the analysis shown lie across a plot of that width, on the axis shown.
PlotColumns shownColumns(unsigned short width);

// The largest magnitude among the bins values[0 … bins − 1] that area shows on the shown axis:
// all of them as designed, those across the plot when zoomed or logarithmic.
double peakShown(WSCvdrawingArea* area, const double* values, long bins);

enum class SpectrumCurve {
    rising,   // from the bottom axis, as the power plot draws
    centred,  // about the centre line, as the phase plot draws
};

// values[0 … bins − 1] drawn over the shown axis as the spectra are: every bin as designed;
// zoomed or logarithmic, the strongest bin by strength in each column.
void drawShownSpectrum(WSCvdrawingArea* area, WSDdev* device, const double* values, long bins,
                       double maximum, SpectrumCurve curve, const double* strength);

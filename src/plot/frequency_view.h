#pragma once

#include "plot/frequency_axis.h"

// The frequency axis the power and phase plots show: as designed (the whole linear axis)
// until the user zooms or asks for the logarithmic axis, and again after each load and size
// change. The plots are drawn over it; nothing here draws them again.
const FrequencyAxis& shownAxis();
void setShownAxis(const FrequencyAxis& axis);

// The bins of the analysis shown: sampleFreq and selsize.
SpectrumGrid shownGrid();

#include "plot/frequency_view.h"

#include "plot/cmnDraw.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSwidgets.h"
#include "wave/analysis_state.h"

namespace {
FrequencyAxis shown_axis;
}

const FrequencyAxis& shownAxis() {
    return shown_axis;
}

void setShownAxis(const FrequencyAxis& axis) {
    shown_axis = axis;
}

SpectrumGrid shownGrid() {
    return {sampleFreq, selsize};
}

PlotColumns shownColumns(unsigned short width) {
    return plotColumns(width, shownGrid().size / 2, binRange(shownAxis(), shownGrid()));
}

double peakShown(WSCvdrawingArea* area, const double* values, long bins) {
    if (drawnAsDesigned(shownAxis())) return findMax(values, bins);
    const auto [first, end] = pointsInside(
        plotColumns(area->getProperty(_WSNwidth()), bins, binRange(shownAxis(), shownGrid())));
    return findMax(values + first, end - first);
}

void drawShownSpectrum(WSCvdrawingArea* area, WSDdev* device, const double* values, long bins,
                       double maximum, SpectrumCurve curve, const double* strength) {
    const bool rising = curve == SpectrumCurve::rising;
    if (drawnAsDesigned(shownAxis())) {
        rising ? drawWavePlus(area, device, values, bins, maximum)
               : drawWave(area, device, values, bins, maximum);
        return;
    }
    const PointRange range = binRange(shownAxis(), shownGrid());
    rising ? drawWavePlus(area, device, values, bins, maximum, range, strength)
           : drawWave(area, device, values, bins, maximum, range, strength);
}

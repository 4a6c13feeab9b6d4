#include "handlers/segment_views.h"

#include "handlers/segment_analysis.h"
#include "plot/cmnDraw.h"
#include "plot/frequency_view.h"
#include "plot/view_update.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

namespace {
constexpr double kPhaseScale = 3.2;
}

void drawWaveView(short wave_peak) {
    updateView(PlotView::wave, [wave_peak](WSCvdrawingArea* area, WSDmwindowDev* device) {
        drawWave(area, device, siii, maxsize, wave_peak);
    });
}

void drawSegmentView(short wave_peak) {
    updateView(PlotView::segment, [wave_peak](WSCvdrawingArea* area, WSDmwindowDev* device) {
        drawWave(area, device, seliii, selsize, wave_peak);
    });
}

void drawSpectrumViews(const Spectrum& spectrum) {
    const long points = spectrum.points;
    const bool designed = drawnAsDesigned(shownAxis());
    if (power) {
        updateView(PlotView::power, [&](WSCvdrawingArea* area, WSDmwindowDev* device) {
            drawShownSpectrum(area, device, power, points,
                              designed ? spectrum.peak : peakShown(area, power, points),
                              SpectrumCurve::rising, power);
        });
    }
    // Zoomed or logarithmic, a column holding several bins draws the strongest on both plots,
    // the bin a reading there names.
    if (phase) {
        updateView(PlotView::phase, [&](WSCvdrawingArea* area, WSDmwindowDev* device) {
            drawShownSpectrum(area, device, phase, points, kPhaseScale, SpectrumCurve::centred,
                              power);
        });
    }
}

void redrawSpectrumViews() {
    if (seliii) {
        drawSpectrumViews(lastSpectrum());
    } else {
        for (const PlotView view : {PlotView::power, PlotView::phase}) updateView(view, {});
    }
}

void redrawViews() {
    const short peak = wholeWavePeak();
    if (siii) {
        drawWaveView(peak);
    } else {
        updateView(PlotView::wave, {});
    }
    if (seliii) {
        drawSegmentView(peak);
    } else {
        updateView(PlotView::segment, {});
    }
    redrawSpectrumViews();
}

#include "handlers/segment_views.h"

#include "handlers/segment_analysis.h"
#include "plot/cmnDraw.h"
#include "plot/view_update.h"
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
    if (power) {
        updateView(PlotView::power, [&spectrum](WSCvdrawingArea* area, WSDmwindowDev* device) {
            drawWavePlus(area, device, power, spectrum.points, spectrum.peak);
        });
    }
    if (phase) {
        updateView(PlotView::phase, [&spectrum](WSCvdrawingArea* area, WSDmwindowDev* device) {
            drawWave(area, device, phase, spectrum.points, kPhaseScale);
        });
    }
}

void redrawViews() {
    const short peak = wholeWavePeak();
    if (siii) {
        drawWaveView(peak);
    } else {
        updateView(PlotView::wave, {});
    }
    if (!seliii) {
        for (const PlotView view : {PlotView::segment, PlotView::power, PlotView::phase})
            updateView(view, {});
        return;
    }
    drawSegmentView(peak);
    drawSpectrumViews(lastSpectrum());
}

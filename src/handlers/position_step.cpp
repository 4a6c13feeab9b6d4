#include "handlers/position_step.h"

#include "handlers/position_controls.h"
#include "handlers/segment_analysis.h"
#include "handlers/segment_views.h"
#include "names/window_names.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

void stepPosition(long step_samples) {
    if (!siii || !seliii) return;
    WSCbase* slider = findPositionSlider();
    if (!slider) return;
    const long maximum = readLongProperty(slider, _WSNmaximum(), 0);
    const long value = readLongProperty(slider, _WSNvalue(), 0);

    // "back" stops at 0, "forw" at the slider's maximum.
    long position = value + step_samples;
    if (step_samples < 0 && position < 0) position = 0;
    if (step_samples > 0 && position > maximum) position = maximum;

    fillSegment(position);
    const short peak = wholeWavePeak();
    updatePositionLabel(position);
    drawSegmentView(peak);
    drawSpectrumViews(computeSpectrum());

    slider->setProperty(_WSNvalue(), decimalText(position));
    slider->execProcedure(WSEV_EXPOSE);
}

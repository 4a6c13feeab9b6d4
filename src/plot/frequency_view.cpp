#include "plot/frequency_view.h"

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

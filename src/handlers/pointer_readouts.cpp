#include "handlers/pointer_readouts.h"

#include "handlers/bin_reading_display.h"
#include "handlers/bin_readout.h"
#include "handlers/keyboard_reading.h"
#include "handlers/pointer_display.h"
#include "handlers/position_controls.h"
#include "handlers/wave_readout.h"
#include "names/window_names.h"
#include "plot/frequency_view.h"
#include "plot/off_screen_view.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

namespace {

unsigned short widthOf(WSCvdrawingArea* area) {
    return area->getProperty(_WSNwidth());
}

// The column of logical pixels under the pointer: the same at every pixel ratio.
int pointerColumn(WSCvdrawingArea* area) {
    return pixelIndex(area->pointer().x);
}

WSCvdrawingArea* findArea(const char* name) {
    return asDrawingArea(WSGIappObjectList()->getInstance("WSCvdrawingArea", name));
}

}  // namespace

void readOutWave(WSCvdrawingArea* area) {
    if (!siii) return;
    const long sample = sampleAtColumn(widthOf(area), maxsize, pointerColumn(area));
    showAreaTooltip(names::kWholeWaveArea,
                    sample < 0 ? "" : sampleTooltip(sample, sampleFreq, siii[sample]));
}

// The segment's samples are named by their place in the file, as on the whole wave.
void readOutSegment(WSCvdrawingArea* area) {
    // Without a segment the area keeps the tooltip that says why there is none.
    if (!siii || !seliii) return;
    const long index = sampleAtColumn(widthOf(area), selsize, pointerColumn(area));
    showAreaTooltip(
        names::kSegmentArea,
        index < 0 ? "" : sampleTooltip(sliderPosition() + index, sampleFreq, seliii[index]));
}

// Both captions name the same bin, whichever plot the pointer is on: both lay their bins
// out alike, over the frequency axis they share. The pointer takes the reading over from the
// keys.
void readOutSpectrum(WSCvdrawingArea* area) {
    endKeyboardReading();
    if (!seliii) return showSpectrumReading(std::nullopt);
    showSpectrumReading(readoutBin(power, shownColumns(widthOf(area)), pointerColumn(area)));
}

void followSegment() {
    showWaveBands();
    const struct {
        const char* name;
        void (*read_out)(WSCvdrawingArea*);
    } readouts[] = {
        {names::kWholeWaveArea, readOutWave},
        {names::kSegmentArea, readOutSegment},
        {names::kPowerArea, readOutSpectrum},
        {names::kPhaseArea, readOutSpectrum},
    };
    for (const auto& readout : readouts) {
        WSCvdrawingArea* area = findArea(readout.name);
        if (area && area->pointer().inside) readout.read_out(area);
    }
    followKeyboardReading();
}

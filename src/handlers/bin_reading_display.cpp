#include "handlers/bin_reading_display.h"

#include "handlers/bin_readout.h"
#include "handlers/pointer_display.h"
#include "wave/analysis_state.h"

namespace {

std::string shown_reading;

PlottedSpectrum analysedSpectrum() {
    return {power, phase, selsize / 2, selsize, sampleFreq};
}

}  // namespace

void showSpectrumReading(std::optional<long> bin) {
    shown_reading.clear();
    // Without a segment the plots keep the tooltip that says why there is none.
    if (!seliii) {
        showPlainCaptions();
        return;
    }
    if (!bin) {
        showPlainCaptions();
        showSpectrumTooltips("");
        return;
    }
    const BinReading reading = readBin(analysedSpectrum(), *bin);
    showCaptions(powerCaption(reading), phaseCaption(reading));
    shown_reading = readingText(reading);
    showSpectrumTooltips(shown_reading);
}

std::string currentSpectrumReading() {
    return shown_reading;
}

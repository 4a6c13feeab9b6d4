#include "handlers/bin_reading_display.h"

#include <cstdio>

#include "dsp/dbfs_level.h"
#include "dsp/tone_peaks.h"
#include "handlers/bin_readout.h"
#include "handlers/pointer_display.h"
#include "names/window_names.h"
#include "wave/analysis_state.h"
#include "wave/reference_state.h"

namespace {

std::string shown_reading;

PlottedSpectrum analysedSpectrum() {
    return {power, phase, selsize / 2, selsize, sampleFreq};
}

// ", Δ +6.02 dB": how far the bin lies above the reference's same bin; empty while no
// reference is held that fits.
std::string referenceDifference(long bin) {
    if (!heldReference || heldReference->log_power.size() != static_cast<std::size_t>(selsize / 2))
        return "";
    const double difference =
        binLevelDifferenceDb(binPower(power[bin]), binPower(heldReference->log_power[bin]));
    char text[48];
    std::snprintf(text, sizeof text, difference == 0 ? ", Δ %.2f dB" : ", Δ %+.2f dB", difference);
    return text;
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
    // The phase plot's own reading has no difference: only the power is compared.
    const std::string text = readingText(reading);
    showAreaTooltip(names::kPhaseArea, text);
    shown_reading = text + referenceDifference(*bin);
    showAreaTooltip(names::kPowerArea, shown_reading);
}

std::string currentSpectrumReading() {
    return shown_reading;
}

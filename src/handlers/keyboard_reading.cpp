#include "handlers/keyboard_reading.h"

#include <algorithm>

#include "dsp/tone_peaks.h"
#include "handlers/bin_reading_display.h"
#include "handlers/bin_readout.h"
#include "wave/analysis_state.h"

namespace {

std::optional<long> reading_bin;  // none: no reading by the keys
bool reading_shown = false;       // a spectrum plot has the focus

std::vector<long> peaksByBin() {
    std::vector<long> peaks = tonePeaks(power, selsize / 2, selsize);
    std::sort(peaks.begin(), peaks.end());
    return peaks;
}

}  // namespace

void moveKeyboardReading(const std::string& key) {
    if (!seliii) return;
    reading_shown = true;
    if (key == "Escape") {
        endKeyboardReading();
        showSpectrumReading(std::nullopt);
        return;
    }
    const long bins = selsize / 2;
    const std::optional<long> bin =
        reading_bin ? std::optional(std::min(*reading_bin, bins - 1)) : std::nullopt;
    const std::optional<long> keyed = keyedBin(key, bin, bins, peaksByBin());
    if (!keyed) return;
    reading_bin = keyed;
    showSpectrumReading(keyed);
}

void showKeyboardReading() {
    reading_shown = true;
    followKeyboardReading();
}

void followKeyboardReading() {
    if (!reading_shown || !reading_bin || !seliii) return;
    reading_bin = std::min(*reading_bin, selsize / 2 - 1);
    showSpectrumReading(reading_bin);
}

void hideKeyboardReading() {
    reading_shown = false;
    if (reading_bin) showSpectrumReading(std::nullopt);
}

void endKeyboardReading() {
    reading_bin.reset();
}

std::optional<long> keyboardReadingBin() {
    return reading_shown ? reading_bin : std::nullopt;
}

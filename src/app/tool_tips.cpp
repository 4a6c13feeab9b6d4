#include "app/tool_tips.h"

#include <cstdio>
#include <string_view>

#include "handlers/converted_source.h"
#include "handlers/reference_hold.h"
#include "names/window_names.h"
#include "numbers/whole_number.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

namespace {

constexpr double kMillisecondsPerSecond = 1000.0;

std::string formatted(const char* format, double value) {
    char text[96];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The label's text as a count of samples; its text holds one once a file is loaded.
long labelNumber(const WSCbase& label) {
    return leadingWholeNumber(label.getProperty(_WSNlabelString()).text()).value_or(0);
}

double seconds(long samples) {
    return static_cast<double>(samples) / static_cast<double>(sampleFreq);
}

std::string informationTip(std::string_view name, const WSCbase& label) {
    const bool loaded = siii != nullptr && sampleFreq > 0;
    if (name == names::kNameLabel) {
        if (!loaded) return "name of the file";
        return convertedSource().empty() ? label.getProperty(_WSNlabelString()).text()
                                         : convertedSource();
    }
    if (name == names::kRateLabel) {
        return loaded ? std::to_string(sampleFreq) + " samples per second"
                      : "sample rate of the file";
    }
    if (name == names::kBitsLabel)
        return loaded ? "16 bits per sample" : "bits per sample of the file";
    if (name == names::kPointsLabel) {
        if (!loaded) return "number of samples kept from the file";
        return std::to_string(maxsize) + formatted(" samples kept (%.3f s)", seconds(maxsize));
    }
    if (name == names::kPositionLabel) {
        if (!loaded) return "first sample of the segment";
        return formatted("first sample of the segment (%.2f ms)",
                         seconds(labelNumber(label)) * kMillisecondsPerSecond);
    }
    return {};
}

}  // namespace

std::string toolTipOf(const WSCbase& widget) {
    const std::string_view name = widget.getInstanceName();
    if (name == names::kSelectButton) {
        return "Open a WAVE file: one channel, 44100 samples per second, 16 bits (Ctrl+O, or drop "
               "it on the window)";
    }
    if (name == names::kSizeBox)
        return "Segment size N in samples; a new size starts again at position 0";
    if (name == names::kBackButton) return "One sample back; hold to repeat";
    if (name == names::kForwButton) return "One sample forward; hold to repeat";
    if (name == names::kPositionSlider) {
        return "Where the segment starts; with the focus, Left and Right step one sample, "
               "PageUp and PageDown a fiftieth";
    }
    // The power caption names the reference that the power plot shows beside its curve.
    if (name == names::kPowerCaption) return referenceLegend();
    return informationTip(name, widget);
}

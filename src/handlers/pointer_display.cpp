#include "handlers/pointer_display.h"

#include "handlers/position_controls.h"
#include "handlers/reference_hold.h"
#include "handlers/wave_readout.h"
#include "names/window_names.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"
#include "wave/reference_state.h"

namespace {

void setText(const char* class_name, const char* instance_name, const char* property,
             const char* text) {
    if (WSCbase* widget = WSGIappObjectList()->getInstance(class_name, instance_name)) {
        // Unchanged texts are not set again: the pointer moves far more often than they change.
        if (widget->getProperty(property).text() != std::string_view(text))
            widget->setPropertyV(property, text);
    }
}

}  // namespace

void showCaptions(const std::string& power_text, const std::string& phase_text) {
    setText("WSCvlabel", names::kPowerCaption, _WSNlabelString(), power_text.c_str());
    setText("WSCvlabel", names::kPhaseCaption, _WSNlabelString(), phase_text.c_str());
}

void showPlainCaptions() {
    showCaptions(names::kPowerCaptionText, names::kPhaseCaptionText);
}

void showAreaTooltip(const char* area_name, const std::string& text) {
    setText("WSCvdrawingArea", area_name, _WSNtoolTip(), text.c_str());
}

void showSpectrumTooltips(const std::string& text) {
    showAreaTooltip(names::kPowerArea, text);
    showAreaTooltip(names::kPhaseArea, text);
}

void showWaveBands() {
    WSCbase* area = WSGIappObjectList()->getInstance("WSCvdrawingArea", names::kWholeWaveArea);
    if (!area) return;
    std::string band, reference_band;
    if (siii && seliii) {
        const unsigned short width = area->getProperty(_WSNwidth());
        band = bandText(segmentBand(width, maxsize, sliderPosition(), selsize));
        if (referenceInLoadedWave())
            reference_band =
                bandText(segmentBand(width, maxsize, heldReference->position, selsize));
    }
    setText("WSCvdrawingArea", names::kWholeWaveArea, _WSNoverlayBand(), band.c_str());
    setText("WSCvdrawingArea", names::kWholeWaveArea, _WSNoverlaySecondBand(),
            reference_band.c_str());
}

void dragSliderTo(long position_samples) {
    WSCbase* position_slider = findPositionSlider();
    if (!position_slider) return;
    position_slider->setProperty(_WSNvalue(), decimalText(position_samples));
    position_slider->execProcedure(WSEV_VALUE_CHANGE);
}

void releaseSlider() {
    if (WSCbase* position_slider = findPositionSlider())
        position_slider->execProcedure(WSEV_ACTIVATE);
}

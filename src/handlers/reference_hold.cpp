#include "handlers/reference_hold.h"

#include <algorithm>
#include <filesystem>
#include <span>

#include "handlers/pointer_display.h"
#include "handlers/position_controls.h"
#include "handlers/segment_analysis.h"
#include "handlers/sound_reading.h"
#include "handlers/wave_load_display.h"
#include "names/window_names.h"
#include "sound/sound_format_names.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"
#include "wave/reference_state.h"

namespace {

// The power plot shows the reference over the view's own picture, painted when the area
// exposes it; the whole wave shows where it lies.
void showReference() {
    if (WSCbase* area = WSGIappObjectList()->getInstance("WSCvdrawingArea", names::kPowerArea))
        area->execProcedure(WSEV_EXPOSE);
    showWaveBands();
}

std::string loadedFileName() {
    const WSCbase* label = WSGIappObjectList()->getInstance("WSCvlabel", names::kNameLabel);
    return label ? std::string(label->getProperty(_WSNlabelString()).text()) : "";
}

bool referenceFits(const ReferenceSegment& reference) {
    return reference.position >= 0 &&
           reference.position <= static_cast<long>(reference.wave.size()) - selsize;
}

void analyse(ReferenceSegment& reference) {
    PlottedHalf half;
    if (referenceFits(reference)) {
        half = analyseWaveSegment(reference.wave.data(), static_cast<long>(reference.wave.size()),
                                  reference.position, selsize);
    }
    reference.log_power = std::move(half.log_power);
    reference.phase_rad = std::move(half.phase_rad);
}

void hold(std::vector<short> wave, std::string name, long position) {
    ReferenceSegment reference;
    reference.wave = std::move(wave);
    reference.name = std::move(name);
    reference.position = position;
    analyse(reference);
    heldReference = std::move(reference);
    showReference();
}

}  // namespace

bool referenceCanBeHeld() {
    return siii && seliii;
}

void holdShownSegment() {
    if (!referenceCanBeHeld()) return;
    hold(std::vector<short>(siii, siii + maxsize), loadedFileName(), sliderPosition());
}

bool referenceCanBeOpened() {
    return siii && selsize > 0;
}

void openReference() {
    if (!referenceCanBeOpened()) return;
    DialogPlace place;
    WSCfileSelect* dialog = placedFileDialog(nullptr, place);
    dialog->offerNext("Open reference", {kSoundFileFilter});
    if (dialog->popup() != 1) return;
    const std::string path = dialog->getFileName().getString(-2);
    const std::string name = std::filesystem::path(path).filename().string();
    std::optional<WaveRead> read = readSoundWave(place, path);
    if (!read) return;
    const long last = static_cast<long>(read->samples.size()) - selsize;
    if (last < 0) {
        showLoadMessage(place, (name + ": " + std::to_string(read->samples.size()) +
                                " samples, fewer than the size " + std::to_string(selsize))
                                   .c_str());
        return;
    }
    const std::optional<long> position = WSGFaskWholeNumber(
        {.title = "Open reference",
         .prompt = name + ": the reference segment's position, 0 to " + std::to_string(last),
         .value = std::clamp(sliderPosition(), 0L, last),
         .minimum = 0,
         .maximum = last});
    if (!position) return;
    if (*position < 0 || *position > last) {
        showLoadMessage(place, (name + ": position " + std::to_string(*position) +
                                " is outside 0 to " + std::to_string(last))
                                   .c_str());
        return;
    }
    hold(std::move(read->samples), name, *position);
}

bool referenceHeld() {
    return heldReference.has_value();
}

bool referenceInLoadedWave() {
    return heldReference && siii && referenceFits(*heldReference) &&
           heldReference->name == loadedFileName() &&
           std::ranges::equal(heldReference->wave,
                              std::span(siii, static_cast<std::size_t>(maxsize)));
}

void dropReference() {
    if (!heldReference) return;
    heldReference.reset();
    showReference();
}

bool differenceIsShown() {
    return differenceShown;
}

void showDifference(bool shown) {
    differenceShown = shown;
    if (heldReference) showReference();
}

void refitReference() {
    if (heldReference) analyse(*heldReference);
}

std::string referenceLegend() {
    if (!heldReference) return "";
    const ReferenceSegment& reference = *heldReference;
    return "reference: " + reference.name + ", N " + std::to_string(selsize) + ", position " +
           std::to_string(reference.position) +
           (reference.log_power.empty() ? " (does not fit)" : "");
}

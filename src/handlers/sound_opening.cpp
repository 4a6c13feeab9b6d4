#include "handlers/sound_opening.h"

#include <cstdio>
#include <filesystem>

#include "handlers/converted_source.h"
#include "handlers/sound_reading.h"
#include "handlers/wave_load_display.h"
#include "sound/excerpt_description.h"
#include "sound/reader_fallback.h"
#include "sound/sound_envelope.h"
#include "sound/sound_excerpt.h"
#include "sound/sound_format_names.h"
#include "toolkit/WSexcerptPicker.h"
#include "toolkit/toolkit.h"

namespace {

constexpr int kEnvelopeColumns = 600;

std::string fileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

void showProblem(const DialogPlace& place, const std::string& path, const std::string& problem) {
    showLoadMessage(place, (fileNameOf(path) + ": " + problem).c_str());
}

std::string startText(double from_s) {
    char text[48];
    std::snprintf(text, sizeof text, "the start %.3f s", from_s);
    return text;
}

// The excerpt converted, its notice told; nothing, the problem told, when it cannot be.
std::optional<SoundExcerpt> convertedExcerpt(const DialogPlace& place, const std::string& path,
                                             const ExcerptRequest& request) {
    SoundExcerpt excerpt = convertExcerpt(path, request);
    if (excerpt.failure != ExcerptFailure::none) {
        showProblem(place, path, excerptProblem(excerpt, startText(request.from_s)));
        return std::nullopt;
    }
    if (excerpt.wave.message) showLoadMessage(place, excerpt.wave.message);
    return excerpt;
}

// Keeps the excerpt converted from path, which the file dialog confirmed just before.
void keepExcerpt(const std::string& path, const std::optional<SoundExcerpt>& converted) {
    if (!converted) return;
    const SoundExcerpt& excerpt = *converted;
    WSGIappFileSelect()->keepFolder();
    keepWave(excerpt.wave);
    rememberConvertedSource(excerptDescription(fileNameOf(path), excerpt));
    showLoadedWave(fileNameOf(path));
}

std::string pickerFacts(const std::string& path, const SoundFacts& source) {
    return fileNameOf(path) + ": " + source.format + ", " + sampleTypeDescription(source.sample) +
           ", " + std::to_string(source.rate_hz) + " Hz, " + std::to_string(source.channels) +
           (source.channels == 1 ? " channel, " : " channels, ") +
           minutesText(source.durationSeconds());
}

// The picker's choice for the file the dialog confirmed, then the excerpt it names converted;
// nothing when cancelled or not converted.
std::optional<SoundExcerpt> pickedExcerpt(const DialogPlace& place, const std::string& path) {
    SoundFile file(path);
    if (!file.isOpen()) {
        showProblem(place, path, file.problem());
        return std::nullopt;
    }
    const SoundFacts& source = file.facts();
    ExcerptRequest request;
    if (source.channels > 1 || convertedLength(source) > kMaxWaveSamples) {
        SoundEnvelope envelope = envelopeOf(file, kEnvelopeColumns);
        WSCexcerptPicker* picker = WSGIappExcerptPicker();
        picker->setSource(pickerFacts(path, source), source.durationSeconds(), source.channels,
                          kExcerptSeconds, std::move(envelope.minimum),
                          std::move(envelope.maximum));
        // Cancel leaves the loaded wave, its labels and views as they were.
        if (picker->popup() != 1) return std::nullopt;
        request = {picker->fromSeconds(), picker->channel()};
    }
    return convertedExcerpt(place, path, request);
}

}  // namespace

void openAnySound() {
    DialogPlace place;
    WSCfileSelect* dialog = placedFileDialog(nullptr, place);
    dialog->offerNext("Open any sound", {kSoundFileFilter});
    if (dialog->popup() != 1) return;
    const std::string path = dialog->getFileName().getString(-2);
    keepExcerpt(path, pickedExcerpt(place, path));
}

bool openOutsideSound(const std::string& path) {
    if (!converterMayOpen(readWaveFile(path.c_str())) || !SoundFile(path).isOpen()) return false;
    DialogPlace place;
    WSCfileSelect* dialog = placedFileDialog(nullptr, place);
    dialog->confirmNext(path);
    if (dialog->popup() == 1) keepExcerpt(path, pickedExcerpt(place, path));
    return true;
}

void openSoundExcerpt(const std::string& path, double from_s, int channel) {
    DialogPlace place;
    WSCfileSelect* dialog = placedFileDialog(nullptr, place);
    dialog->confirmNext(path);
    if (dialog->popup() == 1) keepExcerpt(path, convertedExcerpt(place, path, {from_s, channel}));
}

std::optional<WaveRead> readSoundWave(const DialogPlace& place, const std::string& path) {
    WaveRead read = readWaveFile(path.c_str());
    if (read.outcome == WaveReadOutcome::refused && converterMayOpen(read) &&
        SoundFile(path).isOpen()) {
        std::optional<SoundExcerpt> excerpt = pickedExcerpt(place, path);
        if (!excerpt) return std::nullopt;
        return std::move(excerpt->wave);
    }
    if (read.message) showLoadMessage(place, read.message);
    if (read.outcome == WaveReadOutcome::refused) return std::nullopt;
    return read;
}

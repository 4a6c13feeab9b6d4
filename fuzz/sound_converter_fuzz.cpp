// Arbitrary bytes as a sound file: the converter must answer every one with an excerpt of
// at most half a second at 44100 Hz, or a failure and no samples, and the picker's envelope
// must read the whole file, whatever libsndfile makes of it. The start and the channel come
// from the input's first bytes, so that both are fuzzed too.
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "sound/sound_envelope.h"
#include "sound/sound_excerpt.h"

namespace {

constexpr int kEnvelopeColumns = 64;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static InputFile input;
    if (size < 2) return 0;
    const ExcerptRequest request{data[0] / 16.0, data[1] % 4};
    const std::string& path = input.hold(data + 2, size - 2);

    const SoundExcerpt excerpt = convertExcerpt(path, request);
    const std::size_t kept = excerpt.wave.samples.size();
    require(kept <= std::size_t{kMaxWaveSamples}, "at most half a second is kept");
    require(excerpt.clipped >= 0 && std::size_t(excerpt.clipped) <= kept,
            "only kept samples are clipped");
    if (excerpt.failure != ExcerptFailure::none) {
        require(kept == 0 && excerpt.wave.outcome == WaveReadOutcome::refused,
                "a failure keeps nothing");
        require(!excerptProblem(excerpt, "--from 0").empty(), "a failure says why");
        return 0;
    }
    require(excerpt.wave.outcome == WaveReadOutcome::accepted, "an excerpt is accepted");
    require(excerpt.from_s >= 0 && excerpt.from_s <= request.from_s, "the start is on a frame");

    SoundFile file(path);
    if (!file.isOpen()) return 0;
    const SoundEnvelope envelope = envelopeOf(file, kEnvelopeColumns);
    require(
        envelope.minimum.size() == kEnvelopeColumns && envelope.maximum.size() == kEnvelopeColumns,
        "one extent per column");
    return 0;
}

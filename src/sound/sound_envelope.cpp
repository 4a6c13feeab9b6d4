#include "sound/sound_envelope.h"

#include <algorithm>

SoundEnvelope envelopeOf(SoundFile& file, int columns) {
    const SoundFacts& source = file.facts();
    const auto column_count = static_cast<std::size_t>(std::max(columns, 0));
    SoundEnvelope envelope{std::vector<float>(column_count, 0.0f),
                           std::vector<float>(column_count, 0.0f)};
    if (column_count == 0 || source.frames <= 0 || !file.seek(0)) return envelope;
    std::vector<bool> touched(column_count, false);
    const std::int64_t block_frames = file.blockFrames();
    std::vector<float> block(static_cast<std::size_t>(block_frames * source.channels));
    std::int64_t frame = 0;
    while (frame < source.frames) {
        const std::int64_t got = file.read(block.data(), block_frames);
        if (got <= 0) break;
        for (std::int64_t f = 0; f < got && frame < source.frames; ++f, ++frame) {
            // In long double, since frame × columns may pass the range of frame numbers; the
            // last frame of a huge source may round up to the end.
            const auto column = std::min(
                column_count - 1, static_cast<std::size_t>((long double)frame * column_count /
                                                           (long double)source.frames));
            const float* samples = block.data() + f * source.channels;
            const auto [low, high] = std::minmax_element(samples, samples + source.channels);
            if (!touched[column]) {
                envelope.minimum[column] = *low;
                envelope.maximum[column] = *high;
                touched[column] = true;
            } else {
                envelope.minimum[column] = std::min(envelope.minimum[column], *low);
                envelope.maximum[column] = std::max(envelope.maximum[column], *high);
            }
        }
    }
    return envelope;
}

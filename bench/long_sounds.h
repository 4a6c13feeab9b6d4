#pragma once

// The long recordings the converter's benchmarks open, written once per run: ten minutes
// of 48 kHz stereo 24-bit WAVE and three minutes of 48 kHz stereo FLAC, a slow sweep in
// each channel so that every block holds something to decode.
#include <cmath>
#include <numbers>
#include <string>

#include "support/sound_writer.h"
#include "support/temp_dir.h"

struct LongSounds {
    static constexpr int kRateHz = 48000;
    static constexpr double kWaveSeconds = 600, kFlacSeconds = 180;

    LongSounds() {
        const auto sweep = [](std::int64_t frame, int channel) {
            const double t = double(frame) / kRateHz;
            return 0.4 * std::sin(2 * std::numbers::pi * (200 + channel * 50 + 2 * t) * t);
        };
        sound_writer::writeSound(wave, SF_FORMAT_WAV | SF_FORMAT_PCM_24, kRateHz, 2,
                                 std::int64_t(kWaveSeconds * kRateHz), sweep);
        sound_writer::writeSound(flac, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, kRateHz, 2,
                                 std::int64_t(kFlacSeconds * kRateHz), sweep);
    }

    TempDir dir;
    const std::string wave = (dir.path() / "ten-minutes.wav").string();
    const std::string flac = (dir.path() / "three-minutes.flac").string();
};

inline const LongSounds& longSounds() {
    static const LongSounds sounds;
    return sounds;
}

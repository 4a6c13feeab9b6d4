#pragma once

// Sound files of any format libsndfile writes, for the converter's tests, its benchmarks and
// its fuzzer's seeds: a tone that starts at a known time, or given samples.

#include <sndfile.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace sound_writer {

// Writes frames frames of channels channels, full scale ±1, as format (SF_FORMAT_* major |
// sample type) at rate_hz; sample(frame, channel) gives each value. False when libsndfile
// cannot write that combination.
inline bool writeSound(const std::string& path, int format, int rate_hz, int channels,
                       std::int64_t frames,
                       const std::function<double(std::int64_t, int)>& sample) {
    SF_INFO info;
    std::memset(&info, 0, sizeof info);
    info.samplerate = rate_hz;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) return false;
    // Float files keep values past full scale, which the converter must clip and count.
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_FALSE);
    constexpr std::int64_t kBlock = 4096;
    std::vector<double> block(static_cast<std::size_t>(kBlock * channels));
    bool written = true;
    for (std::int64_t first = 0; first < frames && written; first += kBlock) {
        const std::int64_t count = std::min(kBlock, frames - first);
        for (std::int64_t f = 0; f < count; ++f)
            for (int c = 0; c < channels; ++c)
                block[std::size_t(f * channels + c)] = sample(first + f, c);
        written = sf_writef_double(file, block.data(), count) == count;
    }
    return sf_close(file) == 0 && written;
}

// Silence until onset_s, then a sine of amplitude (full scale ±1) and frequency_hz starting
// at phase 0, in every channel that tone_channel selects (-1: all).
struct Tone {
    double frequency_hz = 1000;
    double amplitude = 0.5;
    double onset_s = 0;
    int tone_channel = -1;

    double at(std::int64_t frame, int channel, int rate_hz) const {
        if (tone_channel >= 0 && channel != tone_channel) return 0;
        const double t = double(frame) / rate_hz - onset_s;
        return t < 0 ? 0 : amplitude * std::sin(2 * std::numbers::pi * frequency_hz * t);
    }
};

inline bool writeTone(const std::string& path, int format, int rate_hz, int channels,
                      double seconds, const Tone& tone) {
    return writeSound(path, format, rate_hz, channels, std::int64_t(seconds * rate_hz),
                      [&](std::int64_t f, int c) { return tone.at(f, c, rate_hz); });
}

}  // namespace sound_writer

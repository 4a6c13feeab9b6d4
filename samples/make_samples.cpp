// Writes the sample sounds that come with Sefaro: three of half a second each, mono,
// 44100 Hz, 16 bits, the kind of file "select WAVE" reads, and one in another form, for
// Open any sound.
//   make-samples DIR   writes DIR/two-tones.wav, DIR/chirp.wav, DIR/vowel.wav and
//                      DIR/three-notes.wav
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "support/wave_builder.h"

namespace {

constexpr int kRateHz = 44100;
constexpr int kSamples = kRateHz / 2;
constexpr double kTwoPi = 2 * std::numbers::pi;

int16_t toSample(double value) {
    return static_cast<int16_t>(std::lround(std::clamp(value, -32767.0, 32767.0)));
}

// 440 Hz and a quieter 2500 Hz: two clear peaks on the frequency axis.
std::vector<int16_t> twoTones() {
    std::vector<int16_t> out(kSamples);
    for (int i = 0; i < kSamples; ++i) {
        const double t = double(i) / kRateHz;
        out[i] = toSample(12000 * std::sin(kTwoPi * 440 * t) + 5000 * std::sin(kTwoPi * 2500 * t));
    }
    return out;
}

// A sweep from 200 Hz to 8000 Hz: the peak moves along the axis as the slider does.
std::vector<int16_t> chirp() {
    constexpr double kStartHz = 200, kEndHz = 8000, kSeconds = double(kSamples) / kRateHz;
    std::vector<int16_t> out(kSamples);
    for (int i = 0; i < kSamples; ++i) {
        const double t = double(i) / kRateHz;
        const double phase = kTwoPi * (kStartHz * t + (kEndHz - kStartHz) * t * t / (2 * kSeconds));
        out[i] = toSample(14000 * std::sin(phase));
    }
    return out;
}

// A pulse train at 120 Hz through three resonances near those of an open vowel: harmonics
// every 120 Hz under three broad humps.
std::vector<int16_t> vowel() {
    struct Resonator {
        double a1, a2, gain;
        double y1 = 0, y2 = 0;
        Resonator(double centre_hz, double bandwidth_hz) {
            const double r = std::exp(-std::numbers::pi * bandwidth_hz / kRateHz);
            a1 = 2 * r * std::cos(kTwoPi * centre_hz / kRateHz);
            a2 = -r * r;
            gain = 1 - r;
        }
        double operator()(double x) {
            const double y = gain * x + a1 * y1 + a2 * y2;
            y2 = y1;
            y1 = y;
            return y;
        }
    };
    Resonator first(700, 110), second(1220, 120), third(2600, 160);
    constexpr int kPeriod = kRateHz / 120;
    std::vector<double> signal(kSamples);
    double peak = 0;
    for (int i = 0; i < kSamples; ++i) {
        const double pulse = i % kPeriod == 0 ? 1.0 : 0.0;
        signal[i] = first(pulse) + 0.6 * second(pulse) + 0.3 * third(pulse);
        peak = std::max(peak, std::abs(signal[i]));
    }
    std::vector<int16_t> out(kSamples);
    for (int i = 0; i < kSamples; ++i) out[i] = toSample(20000 * signal[i] / peak);
    return out;
}

// Three notes, A4, E5 and A5, two seconds in all at 22050 Hz, in stereo: each note dies
// away, and each channel holds the notes at its own loudness.
wave_builder::Bytes threeNotes() {
    constexpr int kNotesRateHz = 22050;
    constexpr int kFrames = 2 * kNotesRateHz;
    constexpr double kNoteSeconds = 2.0 / 3;
    const double frequencies_hz[] = {440, 660, 880};
    const double channel_levels[][2] = {{14000, 6000}, {9000, 9000}, {5000, 15000}};
    std::vector<int16_t> frames(2 * kFrames);
    for (int i = 0; i < kFrames; ++i) {
        const double t = double(i) / kNotesRateHz;
        const int note = std::min(int(t / kNoteSeconds), 2);
        const double since = t - note * kNoteSeconds;
        const double tone = std::exp(-4 * since) * std::sin(kTwoPi * frequencies_hz[note] * since);
        for (int c = 0; c < 2; ++c) frames[2 * i + c] = toSample(channel_levels[note][c] * tone);
    }
    return wave_builder::riff("WAVE",
                              {wave_builder::fmtChunk({.channels = 2, .rate_hz = kNotesRateHz}),
                               wave_builder::chunk("data", wave_builder::sampleBytes(frames))});
}

bool write(const std::filesystem::path& path, const wave_builder::Bytes& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-samples DIR\n");
        return 64;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    using wave_builder::monoWave;
    const bool written = write(dir / "two-tones.wav", monoWave(twoTones())) &&
                         write(dir / "chirp.wav", monoWave(chirp())) &&
                         write(dir / "vowel.wav", monoWave(vowel())) &&
                         write(dir / "three-notes.wav", threeNotes());
    if (!written) {
        std::fprintf(stderr, "make-samples: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}

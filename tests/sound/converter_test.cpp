// The converter over files written in the test: every format, rate, channel count and
// sample type libsndfile writes gives the tone it holds, where it holds it, as the reader
// would give the same tone recorded at 44100 Hz.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

#include "sound/excerpt_description.h"
#include "sound/sound_excerpt.h"
#include "support/fftw_dft.h"
#include "support/sound_writer.h"
#include "support/temp_dir.h"
#include "wave/wave_reader.h"

namespace {

using sound_writer::Tone;

constexpr int kPoints = 4096;
constexpr double kRateHz = 44100;
constexpr int kToneBin = 100;  // 1076.66 Hz, on a bin at 4096 points
constexpr double kToneHz = kToneBin * kRateHz / kPoints;
constexpr double kOnsetS = 0.2, kAmplitude = 0.5;

// ln(1 + |X|²) of the Hamming-windowed segment, as the power plot shows.
std::vector<double> logPower(const std::vector<short>& samples, std::size_t first) {
    const auto spectrum = hammingSpectrum(samples.data() + first, kPoints);
    std::vector<double> power(kPoints / 2);
    for (std::size_t k = 0; k < power.size(); ++k) power[k] = std::log1p(std::norm(spectrum[k]));
    return power;
}

// The strongest bin, moved to where the parabola through it and its neighbours peaks.
double peakBin(const std::vector<double>& power) {
    const auto top = std::max_element(power.begin() + 1, power.end() - 1) - power.begin();
    const double left = power[std::size_t(top - 1)], mid = power[std::size_t(top)],
                 right = power[std::size_t(top + 1)];
    return double(top) + 0.5 * (left - right) / (left - 2 * mid + right);
}

// The same tone recorded at 44100 Hz, 16 bits, as the reader gives it.
double nativePeakPower(double amplitude) {
    std::vector<short> samples(kPoints);
    for (int n = 0; n < kPoints; ++n)
        samples[std::size_t(n)] = static_cast<short>(std::lround(
            amplitude * 32768 * std::sin(2 * std::numbers::pi * kToneHz * n / kRateHz)));
    return logPower(samples, 0)[kToneBin];
}

// The first sample above half the tone's amplitude.
long onsetSample(const std::vector<short>& samples, double amplitude) {
    const auto found = std::find_if(samples.begin(), samples.end(),
                                    [&](short s) { return std::abs(s) > amplitude * 32768 / 2; });
    return found == samples.end() ? -1 : long(found - samples.begin());
}

struct FormatCase {
    std::string name;
    int format, rate_hz, channels;
    friend void PrintTo(const FormatCase& row, std::ostream* out) { *out << row.name; }
};

class ConverterFormats : public testing::TestWithParam<FormatCase> {};

TEST_P(ConverterFormats, GivesTheToneAtItsFrequencyPowerAndOnset) {
    const FormatCase& row = GetParam();
    TempDir dir;
    const std::string path = (dir.path() / "tone").string();
    ASSERT_TRUE(sound_writer::writeTone(path, row.format, row.rate_hz, row.channels, 1.0,
                                        Tone{kToneHz, kAmplitude, kOnsetS}));

    const SoundExcerpt past_onset = convertExcerpt(path, {kOnsetS + 0.01, kMeanOfChannels});
    ASSERT_EQ(past_onset.failure, ExcerptFailure::none);
    EXPECT_EQ(past_onset.source.rate_hz, row.rate_hz);
    EXPECT_EQ(past_onset.source.channels, row.channels);
    ASSERT_EQ(past_onset.wave.samples.size(), std::size_t{kMaxWaveSamples});
    const std::vector<double> power = logPower(past_onset.wave.samples, 0);
    EXPECT_NEAR(peakBin(power), kToneBin, 0.05);
    EXPECT_NEAR(power[kToneBin], nativePeakPower(kAmplitude), 0.05);

    const SoundExcerpt from_start = convertExcerpt(path, {0, kMeanOfChannels});
    // sin(2π f t) first passes one half at t = 1 / (12 f).
    const double expected_onset = (kOnsetS + 1 / (12 * kToneHz)) * kRateHz;
    EXPECT_NEAR(onsetSample(from_start.wave.samples, kAmplitude), expected_onset, 2);
}

// As far as libsndfile writes them: Opus at 8, 12, 16, 24 and 48 kHz, MP3 up to 48 kHz.
INSTANTIATE_TEST_SUITE_P(
    EveryFormat, ConverterFormats,
    testing::Values(
        FormatCase{"wav_48k_stereo_pcm24", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 48000, 2},
        FormatCase{"wav_22k_mono_u8", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 22050, 1},
        FormatCase{"wav_96k_mono_float", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 96000, 1},
        FormatCase{"wav_8k_mono_pcm16", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1},
        FormatCase{"wav_44k_stereo_pcm16", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2},
        FormatCase{"wavex_48k_stereo_pcm32", SF_FORMAT_WAVEX | SF_FORMAT_PCM_32, 48000, 2},
        FormatCase{"wavex_32k_6ch_double", SF_FORMAT_WAVEX | SF_FORMAT_DOUBLE, 32000, 6},
        FormatCase{"rf64_44k_stereo_double", SF_FORMAT_RF64 | SF_FORMAT_DOUBLE, 44100, 2},
        FormatCase{"aiff_11k_mono_s8", SF_FORMAT_AIFF | SF_FORMAT_PCM_S8, 11025, 1},
        FormatCase{"aiff_88k_stereo_pcm24", SF_FORMAT_AIFF | SF_FORMAT_PCM_24, 88200, 2},
        FormatCase{"flac_48k_stereo_pcm24", SF_FORMAT_FLAC | SF_FORMAT_PCM_24, 48000, 2},
        FormatCase{"flac_16k_mono_pcm16", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 16000, 1},
        FormatCase{"vorbis_44k_mono", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, 1},
        FormatCase{"vorbis_48k_stereo", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 48000, 2},
        FormatCase{"opus_48k_stereo", SF_FORMAT_OGG | SF_FORMAT_OPUS, 48000, 2},
        FormatCase{"opus_12k_mono", SF_FORMAT_OGG | SF_FORMAT_OPUS, 12000, 1},
        FormatCase{"mp3_48k_stereo", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 48000, 2},
        FormatCase{"mp3_22k_mono", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 22050, 1}),
    [](const testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

struct ChannelCase {
    std::string name;
    int channel;
    double amplitude;  // of the tone in the excerpt; 0: silence
    friend void PrintTo(const ChannelCase& row, std::ostream* out) { *out << row.name; }
};

class ConverterChannels : public testing::TestWithParam<ChannelCase> {};

// A tone in the left channel only: channel 1 holds it, channel 2 is silent (a tone of
// amplitude 0), the mean holds it at half its amplitude.
TEST_P(ConverterChannels, TakesTheChosenChannelOrTheMean) {
    const ChannelCase& row = GetParam();
    TempDir dir;
    const std::string path = (dir.path() / "left.wav").string();
    ASSERT_TRUE(sound_writer::writeTone(path, SF_FORMAT_WAV | SF_FORMAT_PCM_24, 48000, 2, 1.0,
                                        Tone{kToneHz, kAmplitude, 0, 0}));
    const SoundExcerpt excerpt = convertExcerpt(path, {0.1, row.channel});
    ASSERT_EQ(excerpt.wave.samples.size(), std::size_t{kMaxWaveSamples});
    // Sample by sample the tone from 0.1 s on, within rounding: the run-in the resampler needs
    // is dropped whole, not a fraction of a sample short.
    const Tone from_start{kToneHz, row.amplitude, -0.1};
    double worst = 0;
    for (std::size_t n = 0; n < excerpt.wave.samples.size(); ++n)
        worst = std::max(worst, std::abs(excerpt.wave.samples[n] -
                                         32768 * from_start.at(std::int64_t(n), 0, 44100)));
    EXPECT_LT(worst, 2);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LeftOnly, ConverterChannels, testing::Values(
    ChannelCase{"left", 1, kAmplitude}, ChannelCase{"right", 2, 0}, ChannelCase{"mean", kMeanOfChannels, kAmplitude / 2}),
    [](const testing::TestParamInfo<ChannelCase>& info) { return info.param.name; });
// clang-format on

// A one-channel 44100 Hz 16-bit file gives exactly the reader's samples, also when it is
// cut; every value, the extremes included, comes back.
TEST(ConverterNative, GivesExactlyTheReadersSamples) {
    TempDir dir;
    for (const std::int64_t frames : {std::int64_t{5000}, std::int64_t{30000}}) {
        const std::string path =
            (dir.path() / ("native" + std::to_string(frames) + ".wav")).string();
        ASSERT_TRUE(sound_writer::writeSound(
            path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 1, frames,
            [](std::int64_t f, int) { return double((f * 7919) % 65536 - 32768) / 32768; }));
        const WaveRead read = readWaveFile(path.c_str());
        ASSERT_NE(read.outcome, WaveReadOutcome::refused);
        const SoundExcerpt excerpt = convertExcerpt(path, {});
        EXPECT_EQ(excerpt.wave.samples, read.samples);
        EXPECT_EQ(excerpt.clipped, 0);
    }
}

// Full scale +1 is 32768, one past the largest sample; NaN and infinities count too;
// halves round away from zero.
TEST(ConverterClipping, SaturatesAndCountsWhatDoesNotFit) {
    TempDir dir;
    const std::string path = (dir.path() / "loud.wav").string();
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const std::vector<double> values = {1.0, 32767.0 / 32768, -1.0, -1.5, 2.0, std::nan(""), inf, -inf,
                                        0.25, -32768.4 / 32768, 2.5 / 32768, -2.5 / 32768};
    // clang-format on
    ASSERT_TRUE(sound_writer::writeSound(
        path, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 44100, 1, std::int64_t(values.size()),
        [&](std::int64_t f, int) { return values[std::size_t(f)]; }));
    const SoundExcerpt excerpt = convertExcerpt(path, {});
    EXPECT_EQ(excerpt.wave.samples, (std::vector<short>{32767, 32767, -32768, -32768, 32767, 0,
                                                        32767, -32768, 8192, -32768, 3, -3}));
    EXPECT_EQ(excerpt.clipped, 6);
    EXPECT_EQ(excerptDescription("loud.wav", excerpt),
              "loud.wav: converted from 44100 Hz, 1 channel, 32-bit float; 0.000 s from 0.000 s "
              "of 0:00.00; 6 samples clipped");
}

struct EdgeCase {
    std::string name;
    int channels;
    std::int64_t frames;
    ExcerptRequest request;
    ExcerptFailure failure;
    std::size_t samples;
    std::string problem;
    int rate_hz = 8000;
    friend void PrintTo(const EdgeCase& row, std::ostream* out) { *out << row.name; }
};

class ConverterEdges : public testing::TestWithParam<EdgeCase> {};

TEST_P(ConverterEdges, AnswersWithTheExcerptOrWhyNot) {
    const EdgeCase& row = GetParam();
    TempDir dir;
    const std::string path = (dir.path() / "edge.wav").string();
    ASSERT_TRUE(sound_writer::writeSound(path, SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, row.rate_hz,
                                         row.channels, row.frames,
                                         [](std::int64_t, int c) { return c / 128.0; }));
    const SoundExcerpt excerpt = convertExcerpt(path, row.request);
    EXPECT_EQ(excerpt.failure, row.failure);
    EXPECT_EQ(excerpt.wave.samples.size(), row.samples);
    EXPECT_EQ(excerptProblem(excerpt, "--from 12"), row.problem);
}

// 8000 Hz: 25600 frames last 3.2 s and give 141120 samples at 44100 Hz.
const std::string kPastTheEnd = "--from 12 is past the end (3.20 s)";
// clang-format off
INSTANTIATE_TEST_SUITE_P(Sources, ConverterEdges, testing::Values(
    EdgeCase{"empty", 1, 0, {}, ExcerptFailure::none, 0, ""},
    EdgeCase{"empty_later", 1, 0, {0.5}, ExcerptFailure::startPastEnd, 0, "--from 12 is past the end (0.00 s)"},
    EdgeCase{"one_frame", 1, 1, {}, ExcerptFailure::none, 5, ""},
    EdgeCase{"hundred_channels", 100, 800, {0, 100}, ExcerptFailure::none, 4410, ""},
    EdgeCase{"past_end", 2, 25600, {12}, ExcerptFailure::startPastEnd, 0, kPastTheEnd},
    EdgeCase{"at_end", 2, 25600, {3.2}, ExcerptFailure::startPastEnd, 0, kPastTheEnd},
    EdgeCase{"negative", 2, 25600, {-1}, ExcerptFailure::startPastEnd, 0, kPastTheEnd},
    EdgeCase{"not_a_number", 2, 25600, {std::nan("")}, ExcerptFailure::startPastEnd, 0, kPastTheEnd},
    EdgeCase{"near_end", 2, 25600, {3.1}, ExcerptFailure::none, 4410, ""},
    EdgeCase{"no_such_channel", 2, 25600, {0, 3}, ExcerptFailure::noSuchChannel, 0, "channel 3 is not one of its 2 channels"},
    // 1000 frames at the highest rate last 1 ms: 44 whole samples.
    EdgeCase{"highest_rate", 1, 1000, {}, ExcerptFailure::none, 44, "", 1000000},
    EdgeCase{"above_the_highest_rate", 1, 1000, {}, ExcerptFailure::unreadable, 0, "sample rate of 1000001 Hz, above the highest that can be converted (1000000 Hz)", 1000001}),
    [](const testing::TestParamInfo<EdgeCase>& info) { return info.param.name; });
// clang-format on

// A FLAC file cut short still states its whole length: what could be decoded is kept, the
// tone where it was, and the notice says so.
TEST(ConverterTruncated, KeepsWhatWasDecodedWithANotice) {
    TempDir dir;
    const std::string path = (dir.path() / "cut.flac").string();
    ASSERT_TRUE(sound_writer::writeTone(path, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 1, 1.0,
                                        Tone{kToneHz, kAmplitude, 0.05}));
    std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
    const SoundExcerpt excerpt = convertExcerpt(path, {});
    EXPECT_EQ(excerpt.failure, ExcerptFailure::none);
    EXPECT_EQ(excerpt.source.frames, 44100);
    ASSERT_NE(excerpt.wave.message, nullptr);
    EXPECT_STREQ(excerpt.wave.message, kSourceStoppedEarlyNotice);
    EXPECT_GT(excerpt.wave.samples.size(), std::size_t{4096});
    EXPECT_LT(excerpt.wave.samples.size(), std::size_t{kMaxWaveSamples});
    EXPECT_NEAR(onsetSample(excerpt.wave.samples, kAmplitude),
                (0.05 + 1 / (12 * kToneHz)) * kRateHz, 2);
}

TEST(ConverterRefusal, SaysWhyAFileIsNoSound) {
    TempDir dir;
    const std::string text = dir.write("notes.txt", {'h', 'e', 'l', 'l', 'o', '\n'});
    EXPECT_EQ(convertExcerpt(text, {}).problem, "not a sound file that can be read");
    const SoundExcerpt missing = convertExcerpt((dir.path() / "gone.flac").string(), {});
    EXPECT_EQ(missing.failure, ExcerptFailure::unreadable);
    EXPECT_EQ(missing.problem, "cannot be opened (System error : No such file or directory.)");
}

}  // namespace

#pragma once

#include <string>

#include "sound/sound_file.h"
#include "wave/wave_reader.h"

// The rate of every excerpt, the one rate the reader accepts, and the excerpt's longest span.
inline constexpr long kExcerptRateHz = 44100;
inline constexpr double kExcerptSeconds = double(kMaxWaveSamples) / kExcerptRateHz;

// Which part of a sound to take: the start in seconds and the channel, 0 for the mean of
// all channels or 1 … C.
inline constexpr int kMeanOfChannels = 0;

struct ExcerptRequest {
    double from_s = 0;
    int channel = kMeanOfChannels;
};

enum class ExcerptFailure {
    none,
    unreadable,     // libsndfile cannot read it: problem says why
    startPastEnd,   // the start is not before the end (a silent, empty source takes 0 only)
    noSuchChannel,  // the channel is not one of the source's
};

// Shown when the source ends before the length it states: the excerpt holds what was decoded.
inline constexpr const char* kSourceStoppedEarlyNotice =
    "The sound ends before its stated length: the excerpt holds what could be decoded";

// A sound's excerpt in the form the analysis takes: wave is what the reader gives for an
// accepted file (at most kMaxWaveSamples samples at 44100 Hz, 16 bits), refused when the
// conversion failed, its message the notice above when the source stopped early.
struct SoundExcerpt {
    ExcerptFailure failure = ExcerptFailure::none;
    std::string problem;  // unreadable: why
    SoundFacts source;
    double from_s = 0;  // the start, on a frame of the source
    int channel = kMeanOfChannels;
    WaveRead wave;
    long clipped = 0;  // samples saturated at −32768 or 32767
};

// Decodes only the excerpt and the resampler's run-in before and after it; the rate is
// converted when it is not 44100 Hz.
SoundExcerpt convertExcerpt(const std::string& path, const ExcerptRequest& request);

// The length of the whole source once converted to 44100 Hz, in samples.
std::int64_t convertedLength(const SoundFacts& source);

// One line saying why the excerpt failed, after "PATH: "; start_text names the start as the
// user gave it ("--from 12").
std::string excerptProblem(const SoundExcerpt& excerpt, const std::string& start_text);

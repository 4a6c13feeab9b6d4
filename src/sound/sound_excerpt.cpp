#include "sound/sound_excerpt.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numeric>
#include <vector>

#include "sound/rate_conversion.h"
#include "sound/sample_scaling.h"

namespace {

// Enough of the source on either side of the excerpt for the resampler's filter to settle.
constexpr double kRunInSeconds = 0.05;

// Frames first … first + count of the source, each the chosen channel or the mean of all;
// frames before 0 are silence. Fewer when the source stops early.
std::vector<double> decodedFrames(SoundFile& file, std::int64_t first, std::int64_t count,
                                  int channel) {
    const int channels = file.facts().channels;
    const std::int64_t silent = std::clamp<std::int64_t>(-first, 0, count);
    std::vector<double> frames(static_cast<std::size_t>(silent), 0.0);
    std::int64_t position = first + silent;
    std::int64_t left = count - silent;
    // A file that cannot seek is read from its start, where it was opened, and the frames
    // before first are dropped.
    std::int64_t skip = 0;
    if (position > 0 && !file.seek(position)) skip = position;
    const std::int64_t block_frames = file.blockFrames();
    std::vector<double> block(static_cast<std::size_t>(block_frames * channels));
    while (left > 0) {
        const std::int64_t wanted = std::min(block_frames, skip > 0 ? skip : left);
        const std::int64_t got = file.read(block.data(), wanted);
        if (got <= 0) break;
        if (skip > 0) {
            skip -= got;
            continue;
        }
        for (std::int64_t f = 0; f < got; ++f) {
            const double* frame = block.data() + f * channels;
            frames.push_back(channel == kMeanOfChannels
                                 ? std::accumulate(frame, frame + channels, 0.0) / channels
                                 : frame[channel - 1]);
        }
        left -= got;
    }
    return frames;
}

// Source frames whose length in 44100 Hz samples is a whole number, so that dropping the
// run-in keeps the excerpt on the source's grid.
std::int64_t runInFrames(long rate_hz) {
    const std::int64_t step = rate_hz / std::gcd(rate_hz, kExcerptRateHz);
    const auto steps = static_cast<std::int64_t>(std::ceil(kRunInSeconds * rate_hz / step));
    return std::max<std::int64_t>(1, steps) * step;
}

std::vector<double> excerptAt44100(SoundFile& file, std::int64_t start, int channel) {
    const SoundFacts& source = file.facts();
    const std::int64_t end = source.frames;
    if (source.rate_hz == kExcerptRateHz)
        return decodedFrames(file, start, std::min(end - start, std::int64_t{kMaxWaveSamples}),
                             channel);
    const std::int64_t run_in = runInFrames(source.rate_hz);
    const auto excerpt_frames = static_cast<std::int64_t>(
        std::ceil(double(kMaxWaveSamples) * double(source.rate_hz) / kExcerptRateHz));
    // Written so that no sum passes the end of the range of frame numbers.
    const std::int64_t last =
        end - start > excerpt_frames + run_in ? start + excerpt_frames + run_in : end;
    const std::vector<double> frames =
        decodedFrames(file, start - run_in, last - (start - run_in), channel);
    const std::vector<double> at_rate = resampled(frames, source.rate_hz, kExcerptRateHz);
    const std::int64_t dropped = run_in * kExcerptRateHz / source.rate_hz;
    // Only samples within the frames decoded after the start, at most half a second.
    const std::int64_t decoded_after_start =
        std::max<std::int64_t>(0, std::int64_t(frames.size()) - run_in);
    const std::int64_t kept = std::min<std::int64_t>(
        {kMaxWaveSamples, decoded_after_start * kExcerptRateHz / source.rate_hz,
         std::max<std::int64_t>(0, std::int64_t(at_rate.size()) - dropped)});
    return {at_rate.begin() + dropped, at_rate.begin() + dropped + kept};
}

// Source frames as 44100 Hz samples, rounded down; also for a length no file really has.
std::int64_t samplesAt44100(std::int64_t frames, long rate_hz) {
    const long double samples = (long double)frames * kExcerptRateHz / rate_hz;
    constexpr auto kLargest = std::numeric_limits<std::int64_t>::max();
    return samples >= (long double)kLargest ? kLargest : static_cast<std::int64_t>(samples);
}

std::string secondsText(double seconds, const char* format) {
    char text[48];
    std::snprintf(text, sizeof text, format, seconds);
    return text;
}

}  // namespace

std::int64_t convertedLength(const SoundFacts& source) {
    if (source.rate_hz <= 0) return 0;
    return samplesAt44100(source.frames, source.rate_hz);
}

SoundExcerpt convertExcerpt(const std::string& path, const ExcerptRequest& request) {
    SoundExcerpt excerpt;
    excerpt.channel = request.channel;
    SoundFile file(path);
    if (!file.isOpen()) {
        excerpt.failure = ExcerptFailure::unreadable;
        excerpt.problem = file.problem();
        return excerpt;
    }
    excerpt.source = file.facts();
    const SoundFacts& source = excerpt.source;
    if (request.channel < kMeanOfChannels || request.channel > source.channels) {
        excerpt.failure = ExcerptFailure::noSuchChannel;
        return excerpt;
    }
    // Checked before any conversion to a frame number, so that no NaN or huge value is one.
    const double start_frame = request.from_s * double(source.rate_hz);
    const bool empty_from_start = source.frames == 0 && request.from_s == 0;
    if (!(start_frame >= 0 && start_frame < double(source.frames)) && !empty_from_start) {
        excerpt.failure = ExcerptFailure::startPastEnd;
        return excerpt;
    }
    const auto start = static_cast<std::int64_t>(std::floor(start_frame));
    excerpt.from_s = double(start) / double(source.rate_hz);

    const std::vector<double> samples = excerptAt44100(file, start, request.channel);
    ScaledSamples scaled = scaledSamples(samples);
    const std::int64_t expected = std::min<std::int64_t>(
        kMaxWaveSamples, convertedLength(source) - samplesAt44100(start, source.rate_hz));
    excerpt.wave.outcome = WaveReadOutcome::accepted;
    excerpt.wave.message =
        std::int64_t(scaled.samples.size()) + 1 < expected ? kSourceStoppedEarlyNotice : nullptr;
    excerpt.wave.samples = std::move(scaled.samples);
    excerpt.clipped = scaled.clipped;
    return excerpt;
}

std::string excerptProblem(const SoundExcerpt& excerpt, const std::string& start_text) {
    switch (excerpt.failure) {
        case ExcerptFailure::none:
            return "";
        case ExcerptFailure::unreadable:
            return excerpt.problem;
        case ExcerptFailure::startPastEnd:
            return start_text + " is past the end (" +
                   secondsText(excerpt.source.durationSeconds(), "%.2f") + " s)";
        case ExcerptFailure::noSuchChannel:
            return "channel " + std::to_string(excerpt.channel) + " is not one of its " +
                   std::to_string(excerpt.source.channels) + " channels";
    }
    return "";
}

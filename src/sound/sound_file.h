#pragma once

#include <sndfile.h>

#include <cstdint>
#include <memory>
#include <string>

// What a sound file is, as libsndfile reads it. format and sample take libsndfile's names
// in lower case ("flac", "pcm_24"); frames counts samples per channel.
struct SoundFacts {
    std::string format;
    std::string sample;
    long rate_hz = 0;
    int channels = 0;
    std::int64_t frames = 0;

    double durationSeconds() const { return rate_hz > 0 ? double(frames) / double(rate_hz) : 0; }
};

// One sound file open for reading through libsndfile, closed with the object. Rates above
// kHighestRateHz are refused: no recording has them, and the resampler's run-in grows with
// the rate.
inline constexpr long kHighestRateHz = 1'000'000;
class SoundFile {
  public:
    explicit SoundFile(const std::string& path);

    bool isOpen() const { return handle_ != nullptr; }
    // Why the file could not be opened, in a user's words; empty when it is open.
    const std::string& problem() const { return problem_; }
    const SoundFacts& facts() const { return facts_; }

    // Moves to frame; false when the file cannot seek there.
    bool seek(std::int64_t frame);
    // How many frames one read takes at most, so that a block of them stays small whatever
    // the channel count.
    std::int64_t blockFrames() const;
    // Reads up to frames frames of interleaved samples, full scale ±1; how many were read.
    std::int64_t read(double* samples, std::int64_t frames);
    std::int64_t read(float* samples, std::int64_t frames);

  private:
    struct Closer {
        void operator()(SNDFILE* file) const { sf_close(file); }
    };
    std::unique_ptr<SNDFILE, Closer> handle_;
    SoundFacts facts_;
    std::string problem_;
};

#include "sound/sound_file.h"

#include <algorithm>
#include <cstring>

#include "sound/sound_format_names.h"

namespace {

// libsndfile's reason, reworded for a user who only wanted to open a sound.
std::string openingProblem() {
    switch (sf_error(nullptr)) {
        case SF_ERR_UNRECOGNISED_FORMAT:
            return "not a sound file that can be read";
        case SF_ERR_SYSTEM:
            return "cannot be opened (" + std::string(sf_strerror(nullptr)) + ")";
        case SF_ERR_MALFORMED_FILE:
            return "damaged sound file (" + std::string(sf_strerror(nullptr)) + ")";
        case SF_ERR_UNSUPPORTED_ENCODING:
            return "sound encoding that cannot be decoded";
        default:
            return "cannot be read as a sound (" + std::string(sf_strerror(nullptr)) + ")";
    }
}

}  // namespace

SoundFile::SoundFile(const std::string& path) {
    SF_INFO info;
    std::memset(&info, 0, sizeof info);
    handle_.reset(sf_open(path.c_str(), SFM_READ, &info));
    if (!handle_) {
        problem_ = openingProblem();
        return;
    }
    if (info.channels < 1 || info.samplerate < 1 || info.frames < 0) {
        handle_.reset();
        problem_ = "damaged sound file (no channels, rate or length)";
        return;
    }
    if (info.samplerate > kHighestRateHz) {
        handle_.reset();
        problem_ = "sample rate of " + std::to_string(info.samplerate) +
                   " Hz, above the highest that can be converted (" +
                   std::to_string(kHighestRateHz) + " Hz)";
        return;
    }
    facts_ = {majorFormatName(info.format), sampleTypeName(info.format), info.samplerate,
              info.channels, info.frames};
}

std::int64_t SoundFile::blockFrames() const {
    constexpr std::int64_t kBlockSamples = 65536;
    return std::max<std::int64_t>(1, kBlockSamples / facts_.channels);
}

bool SoundFile::seek(std::int64_t frame) {
    return sf_seek(handle_.get(), frame, SEEK_SET) == frame;
}

std::int64_t SoundFile::read(double* samples, std::int64_t frames) {
    return sf_readf_double(handle_.get(), samples, frames);
}

std::int64_t SoundFile::read(float* samples, std::int64_t frames) {
    return sf_readf_float(handle_.get(), samples, frames);
}

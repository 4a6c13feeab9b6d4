#include "sound/excerpt_description.h"

#include <cmath>
#include <cstdio>

#include "sound/sound_format_names.h"

namespace {

std::string channelsText(const SoundExcerpt& excerpt) {
    const int channels = excerpt.source.channels;
    if (channels == 1) return "1 channel";
    const std::string choice =
        excerpt.channel == kMeanOfChannels ? "mean" : "channel " + std::to_string(excerpt.channel);
    return std::to_string(channels) + " channels (" + choice + ")";
}

}  // namespace

std::string minutesText(double seconds) {
    const double hundredths = std::round(std::max(seconds, 0.0) * 100.0);
    const long whole_minutes = static_cast<long>(std::floor(hundredths / 6000.0));
    char text[48];
    std::snprintf(text, sizeof text, "%ld:%05.2f", whole_minutes,
                  (hundredths - double(whole_minutes) * 6000.0) / 100.0);
    return text;
}

std::string excerptDescription(const std::string& file_name, const SoundExcerpt& excerpt) {
    char span[96];
    std::snprintf(span, sizeof span, "%.3f s from %.3f s of ",
                  double(excerpt.wave.samples.size()) / kExcerptRateHz, excerpt.from_s);
    std::string text = file_name + ": converted from " + std::to_string(excerpt.source.rate_hz) +
                       " Hz, " + channelsText(excerpt) + ", " +
                       sampleTypeDescription(excerpt.source.sample) + "; " + span +
                       minutesText(excerpt.source.durationSeconds());
    if (excerpt.clipped > 0)
        text += "; " + std::to_string(excerpt.clipped) +
                (excerpt.clipped == 1 ? " sample clipped" : " samples clipped");
    return text;
}

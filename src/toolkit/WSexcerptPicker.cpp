#include "toolkit/WSexcerptPicker.h"

#include <algorithm>
#include <cmath>

#include "toolkit/WSbackend.h"

namespace {

struct KeyStep {
    std::string_view name;
    double seconds;  // ±infinity: to either end
};

constexpr double kToEnd = HUGE_VAL;
constexpr KeyStep kKeySteps[] = {{"Left", -0.1},    {"Right", 0.1},    {"PageUp", -1.0},
                                 {"PageDown", 1.0}, {"Home", -kToEnd}, {"End", kToEnd}};

}  // namespace

WSCexcerptPicker::WSCexcerptPicker() : WSCbase(nullptr, "excerptPicker", "WSCexcerptPicker") {}

void WSCexcerptPicker::setSource(std::string facts, double duration_s, int channels, double band_s,
                                 std::vector<float> minimum, std::vector<float> maximum) {
    facts_ = std::move(facts);
    duration_s_ = std::max(duration_s, 0.0);
    channels_ = std::max(channels, 1);
    band_s_ = std::max(band_s, 0.0);
    minimum_ = std::move(minimum);
    maximum_ = std::move(maximum);
    from_s_ = 0;
    channel_ = kMeanChannel;
}

double WSCexcerptPicker::lastStart() const {
    return std::max(0.0, duration_s_ - band_s_);
}

void WSCexcerptPicker::moveTo(double from_s) {
    // A NaN start goes to 0, like any start before the recording.
    from_s_ = from_s > 0 ? std::min(from_s, lastStart()) : 0.0;
}

bool WSCexcerptPicker::key(std::string_view key_name) {
    for (const KeyStep& step : kKeySteps) {
        if (step.name != key_name) continue;
        moveTo(std::isinf(step.seconds) ? step.seconds : from_s_ + step.seconds);
        return true;
    }
    return false;
}

bool WSCexcerptPicker::chooseChannel(int channel) {
    if (channel < kMeanChannel || channel > channels_) return false;
    channel_ = channel;
    return true;
}

long WSCexcerptPicker::popup() {
    bool confirmed = false;
    if (WSdialogResponder* responder = WSinstalledDialogResponder()) {
        confirmed = responder->chooseExcerpt(*this);
    } else if (WSbackend* backend = WSinstalledBackend()) {
        confirmed = backend->runExcerptPicker(*this);
    }
    return confirmed ? 1 : 0;
}

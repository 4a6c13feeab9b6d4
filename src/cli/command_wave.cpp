#include "cli/command_wave.h"

#include "cli/cli_commands.h"
#include "cli/cli_window.h"
#include "numbers/excerpt_choice.h"
#include "wave/wave_refusal.h"

namespace {

FileReport excerptReport(const WaveSource& source, const SoundExcerpt& excerpt) {
    FileReport report;
    if (excerpt.wave.message) report.messages.emplace_back(excerpt.wave.message);
    if (excerpt.failure == ExcerptFailure::none) return report;
    report.exit_code = excerpt.failure == ExcerptFailure::unreadable ? kExitRefused : kExitUsage;
    report.error = excerptProblem(excerpt, "--from " + source.from_text);
    return report;
}

}  // namespace

std::optional<WaveSource> waveSource(const CommandArguments& arguments, std::string& error) {
    WaveSource source;
    source.convert = arguments.flag(kWaveSourceFlag);
    const std::string* from = arguments.option(kFromOption);
    const std::string* channel = arguments.option(kChannelOption);
    if ((from || channel) && !source.convert) {
        error = "--from and --channel need --convert";
        return std::nullopt;
    }
    if (from) {
        const std::optional<double> seconds = excerptStartSeconds(*from);
        if (!seconds) {
            error = "from \"" + *from + "\" is not a number of seconds from 0";
            return std::nullopt;
        }
        source.excerpt.from_s = *seconds;
        source.from_text = *from;
    }
    if (channel) {
        const std::optional<int> number = excerptChannel(*channel);
        if (!number) {
            error = "channel \"" + *channel + "\" is not mean or a channel from 1";
            return std::nullopt;
        }
        source.excerpt.channel = *number;
    }
    return source;
}

CommandWave commandWave(const std::string& file, const WaveSource& source) {
    CommandWave wave;
    if (!source.convert) {
        wave.read = readWaveFile(file.c_str());
        if (wave.read.message) wave.report.messages.emplace_back(wave.read.message);
        if (wave.read.outcome == WaveReadOutcome::refused) wave.report.exit_code = kExitRefused;
        return wave;
    }
    wave.excerpt = convertExcerpt(file, source.excerpt);
    wave.report = excerptReport(source, *wave.excerpt);
    wave.read = wave.excerpt->wave;
    return wave;
}

FileReport loadCommandWave(CliWindow& window, const std::string& file, const WaveSource& source) {
    if (!source.convert) {
        window.load(file);
        FileReport report;
        // A refused file leaves the window as it was, maybe showing an earlier file; only its
        // message tells, since an accepted one shows none but the length notice.
        for (WSshownMessage& message : window.takeMessages()) {
            if (message.text != kWaveLengthNotice) report.exit_code = kExitRefused;
            report.messages.push_back(std::move(message.text));
        }
        return report;
    }
    // Checked first, so that the exit code says why; the window then converts the same excerpt.
    FileReport report = excerptReport(source, convertExcerpt(file, source.excerpt));
    if (report.exit_code != kExitOk) return report;
    window.openExcerpt(file, source.excerpt.from_s, source.excerpt.channel);
    window.takeMessages();
    return report;
}

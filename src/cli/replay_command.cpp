#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/arguments.h"
#include "cli/cli_commands.h"
#include "cli/cli_window.h"
#include "cli/multi_file_output.h"
#include "cli/picture_request.h"
#include "cli/replay_script.h"
#include "cli/text_input.h"
#include "cli/window_pictures.h"
#include "cli/window_state_json.h"
#include "names/window_names.h"
#include "toolkit/WSexcerptPicker.h"
#include "toolkit/qt/headless.h"

// sefaro-cli replay [SCRIPT] [--shots DIR [--as-seen]] [--screen-scale S]: acts as the user
// of the window on screens scaled by S, one action a line, and records what the window shows
// after each, so that a bug report is a script anyone can run again, a test can check the
// window end to end and the README's screenshots are made again.
namespace {

constexpr const char* kCommand = "replay";
constexpr const char* kNoPicker = "no excerpt picker is shown (pick PATH shows it)";

// A script's actions, each with the number of its line.
using Script = std::vector<std::pair<long, ReplayAction>>;

bool isPickerAction(ReplayVerb verb) {
    return verb == ReplayVerb::picker_from || verb == ReplayVerb::picker_channel ||
           verb == ReplayVerb::picker_ok || verb == ReplayVerb::picker_cancel;
}

// Every line of the script checked before any is run, so that a slip in line 20 does not
// leave a window driven half way: each line's syntax, and that picker actions come after
// pick, and only they, up to picker-ok or picker-cancel. Nothing, and the error printed, at
// the first bad line.
std::optional<Script> readScript(std::istream& input) {
    Script script;
    std::string line, error;
    bool picking = false;
    for (long line_number = 1; std::getline(input, line); ++line_number) {
        auto action = parseReplayLine(line, error);
        if (error.empty() && action && picking && !isPickerAction(action->verb))
            error = "the excerpt picker is shown: only picker actions";
        if (error.empty() && action && !picking && isPickerAction(action->verb)) error = kNoPicker;
        if (!error.empty()) {
            commandError(kCommand, "line " + std::to_string(line_number) + ": " + error,
                         kExitUsage);
            return std::nullopt;
        }
        if (!action) continue;
        if (action->verb == ReplayVerb::pick) picking = true;
        if (action->verb == ReplayVerb::picker_ok || action->verb == ReplayVerb::picker_cancel)
            picking = false;
        script.emplace_back(line_number, std::move(*action));
    }
    return script;
}

// Where the shots go, if anywhere, and what they hold besides the program's state.
struct Shots {
    const std::string* folder = nullptr;
    wsqt::PointerAndFocus pointer_and_focus = wsqt::PointerAndFocus::left_out;
};

// One run of a checked script: the window, where the script stands and how many actions it
// did.
class ReplayRun {
  public:
    ReplayRun(Script script, Shots shots) : script_(std::move(script)), shots_(shots) {}

    // Every action of the script, each followed by its record; the exit code.
    int run() {
        while (const auto action = nextAction()) {
            if (!perform(*action)) return failure_;
            // A pick that showed the picker has written its records already.
            if (!std::exchange(recorded_, false) && !record(*action)) return failure_;
        }
        return failure_;
    }

  private:
    // The next action, or nothing at the end of the script or after a failure.
    std::optional<ReplayAction> nextAction() {
        if (failure_ != kExitOk || next_ == script_.size()) return std::nullopt;
        line_number_ = script_[next_].first;
        return script_[next_++].second;
    }

    std::nullopt_t fail(int exit_code, const std::string& why) {
        failure_ =
            commandError(kCommand, "line " + std::to_string(line_number_) + ": " + why, exit_code);
        return std::nullopt;
    }

    // Does what the line says; false, with the failure set, when it cannot be done.
    bool perform(const ReplayAction& action) {
        switch (action.verb) {
            case ReplayVerb::load:
                window_.load(action.argument);
                break;
            case ReplayVerb::cancel:
                window_.cancelLoad();
                break;
            case ReplayVerb::size:
                window_.chooseSize(action.argument);
                break;
            case ReplayVerb::slide:
                window_.slide(action.numbers[0]);
                break;
            case ReplayVerb::release:
                window_.release();
                break;
            case ReplayVerb::back:
                window_.back();
                break;
            case ReplayVerb::forw:
                window_.forw();
                break;
            case ReplayVerb::key:
                window_.key(action.argument);
                break;
            case ReplayVerb::focus:
                window_.focus(action.argument);
                break;
            case ReplayVerb::point:
                window_.point(action.numbers[0], action.numbers[1]);
                break;
            case ReplayVerb::click:
                window_.click(action.numbers[0], action.numbers[1]);
                break;
            case ReplayVerb::drag:
                window_.drag(action.numbers[0], action.numbers[1], action.numbers[2],
                             action.numbers[3]);
                break;
            case ReplayVerb::leave:
                window_.leave();
                break;
            case ReplayVerb::resize:
                window_.resize(action.numbers[0], action.numbers[1]);
                break;
            case ReplayVerb::wheel:
                window_.wheel(action.numbers[0], action.numbers[1], action.numbers[2]);
                break;
            case ReplayVerb::axis:
                window_.axis(action.argument == "log");
                break;
            case ReplayVerb::open_any:
                window_.openAny(action.argument, WSexcerptChoice{action.seconds, action.channel});
                break;
            case ReplayVerb::pick:
                return pick(action);
            case ReplayVerb::reference_hold:
                window_.chooseMenuEntry(names::kHoldReferenceEntry);
                break;
            case ReplayVerb::reference_open:
                window_.openReference(action.argument, action.numbers[0]);
                break;
            case ReplayVerb::reference_drop:
                window_.chooseMenuEntry(names::kDropReferenceEntry);
                break;
            case ReplayVerb::difference:
                window_.chooseMenuEntry(names::kShowDifferenceEntry, action.argument == "on");
                break;
            case ReplayVerb::picker_from:
            case ReplayVerb::picker_channel:
            case ReplayVerb::picker_ok:
            case ReplayVerb::picker_cancel:
                fail(kExitUsage, kNoPicker);
                return false;
        }
        return true;
    }

    // Shows the picker and acts in it, a record after each picker action, up to picker-ok
    // or picker-cancel (the end of the script cancels), whose record follows the load.
    bool pick(const ReplayAction& action) {
        bool shown = false;
        std::optional<ReplayAction> closing;
        window_.pick(action.argument, [&](WSCexcerptPicker& picker) {
            shown = true;
            if (!record(action, &picker)) return false;
            while (auto step = nextAction()) {
                if (step->verb == ReplayVerb::picker_from) {
                    picker.moveTo(step->seconds);
                } else if (step->verb == ReplayVerb::picker_channel) {
                    if (!picker.chooseChannel(step->channel)) {
                        fail(kExitUsage,
                             "the source has no channel " + std::to_string(step->channel));
                        return false;
                    }
                } else {  // picker-ok or picker-cancel: the script holds no other here
                    closing = std::move(step);
                    return closing->verb == ReplayVerb::picker_ok;
                }
                if (!record(*step, &picker)) return false;
            }
            return false;
        });
        if (failure_ != kExitOk) return false;
        if (!shown) return true;  // a mono source that fits whole: recorded as the load
        recorded_ = true;
        return !closing || record(*closing);
    }

    // Writes the record of the action just done, and its shot; false when they cannot be
    // written.
    bool record(const ReplayAction& action, const WSCexcerptPicker* picker = nullptr) {
        ++step_;
        const std::string line =
            windowStateJson(step_, line_number_, action.text, window_.takeMessages(),
                            window_.tooltip(), window_.shownFrequencies(), picker);
        // Flushed, so that whoever drives the script sees each action's outcome at once.
        if (!writeToStdout(line)) {
            failure_ = commandError(kCommand, "cannot write to standard output", kExitFailed);
            return false;
        }
        std::string error;
        if (shots_.folder &&
            !saveWindowPicture(window_,
                               (std::filesystem::path(*shots_.folder) / shotName(step_)).string(),
                               "png", error, 1, shots_.pointer_and_focus)) {
            failure_ = commandError(kCommand, error, kExitFailed);
            return false;
        }
        return true;
    }

    static std::string shotName(long step) {
        char name[32];
        std::snprintf(name, sizeof name, "%03ld.png", step);
        return name;
    }

    const Script script_;
    const Shots shots_;
    CliWindow window_;
    std::size_t next_ = 0;
    long line_number_ = 0, step_ = 0;
    int failure_ = kExitOk;
    bool recorded_ = false;
};

int replay(std::istream& input, Shots shots) {
    std::optional<Script> script = readScript(input);
    if (!script) return kExitUsage;
    return ReplayRun(std::move(*script), shots).run();
}

}  // namespace

int runReplay(int argc, char** argv) {
    std::string error;
    const auto arguments = splitArguments(
        argc, argv, {.options = {"shots", "screen-scale"}, .flags = {"as-seen"}}, error);
    if (!arguments) return commandUsageError(kCommand, error);
    const std::optional<double> screen_scale = screenScale(*arguments, error);
    if (!screen_scale) return commandUsageError(kCommand, error);
    wsqt::HeadlessSession::startOnScreensScaledBy(*screen_scale);
    if (arguments->operands.size() > 1) return commandUsageError(kCommand, "give one SCRIPT only");
    Shots shots{arguments->option("shots")};
    if (arguments->flag("as-seen")) {
        if (!shots.folder) return commandUsageError(kCommand, "--as-seen needs --shots DIR");
        shots.pointer_and_focus = wsqt::PointerAndFocus::shown;
    }
    if (shots.folder && !makePictureFolder(*shots.folder, "shots", error))
        return commandError(kCommand, error, kExitFailed);
    const bool from_stdin = arguments->operands.empty() || arguments->operands[0] == "-";
    if (from_stdin) return replay(std::cin, shots);
    std::ifstream script;
    if (!openTextInput(arguments->operands[0], script, error))
        return commandError(kCommand, error, kExitFailed);
    return replay(script, shots);
}

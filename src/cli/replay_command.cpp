#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "cli/arguments.h"
#include "cli/cli_commands.h"
#include "cli/cli_window.h"
#include "cli/multi_file_output.h"
#include "cli/replay_script.h"
#include "cli/segment_request.h"
#include "cli/text_input.h"
#include "cli/window_pictures.h"
#include "cli/window_state_json.h"

// sefaro-cli replay [SCRIPT] [--shots DIR]: acts as the window's user, one action a line,
// and records what the window shows after each, so that a bug report is a script anyone
// can run again and a test can check the window end to end.
namespace {

constexpr const char* kCommand = "replay";

// Does what the line says; false when the size box has no such item.
bool perform(CliWindow& window, const ReplayAction& action) {
    switch (action.verb) {
        case ReplayVerb::load:
            window.load(action.argument);
            break;
        case ReplayVerb::cancel:
            window.cancelLoad();
            break;
        case ReplayVerb::size:
            return window.chooseSize(action.argument);
        case ReplayVerb::slide:
            window.slide(action.numbers[0]);
            break;
        case ReplayVerb::release:
            window.release();
            break;
        case ReplayVerb::back:
            window.back();
            break;
        case ReplayVerb::forw:
            window.forw();
            break;
        case ReplayVerb::key:
            window.key(action.argument);
            break;
        case ReplayVerb::focus:
            window.focus(action.argument);
            break;
        case ReplayVerb::point:
            window.point(action.numbers[0], action.numbers[1]);
            break;
        case ReplayVerb::click:
            window.click(action.numbers[0], action.numbers[1]);
            break;
        case ReplayVerb::drag:
            window.drag(action.numbers[0], action.numbers[1], action.numbers[2], action.numbers[3]);
            break;
        case ReplayVerb::leave:
            window.leave();
            break;
    }
    return true;
}

std::string shotName(long step) {
    char name[32];
    std::snprintf(name, sizeof name, "%03ld.png", step);
    return name;
}

int replay(std::istream& script, const std::string* shots) {
    CliWindow window;
    std::string line, error;
    long line_number = 0, step = 0;
    while (std::getline(script, line)) {
        ++line_number;
        const auto action = parseReplayLine(line, error);
        if (!error.empty()) {
            return commandError(kCommand, "line " + std::to_string(line_number) + ": " + error,
                                kExitUsage);
        }
        if (!action) continue;
        if (!perform(window, *action)) {
            return commandError(kCommand,
                                "line " + std::to_string(line_number) +
                                    ": the size box has no item \"" + action->argument + "\" (" +
                                    segmentSizesText() + ")",
                                kExitUsage);
        }
        ++step;
        const std::string record = windowStateJson(step, line_number, action->text,
                                                   window.takeMessages(), window.tooltip());
        // Flushed, so that whoever drives the script sees each action's outcome at once.
        if (!writeToStdout(record))
            return commandError(kCommand, "cannot write to standard output", kExitFailed);
        if (shots &&
            !saveWindowPicture(window, (std::filesystem::path(*shots) / shotName(step)).string(),
                               error)) {
            return commandError(kCommand, error, kExitFailed);
        }
    }
    return kExitOk;
}

}  // namespace

int runReplay(int argc, char** argv) {
    std::string error;
    const auto arguments = splitArguments(argc, argv, {.options = {"shots"}}, error);
    if (!arguments) return commandUsageError(kCommand, error);
    if (arguments->operands.size() > 1) return commandUsageError(kCommand, "give one SCRIPT only");
    const std::string* shots = arguments->option("shots");
    if (shots && !makePictureFolder(*shots, "shots", error))
        return commandError(kCommand, error, kExitFailed);
    const bool from_stdin = arguments->operands.empty() || arguments->operands[0] == "-";
    if (from_stdin) return replay(std::cin, shots);
    std::ifstream script;
    if (!openTextInput(arguments->operands[0], script, error))
        return commandError(kCommand, error, kExitFailed);
    return replay(script, shots);
}

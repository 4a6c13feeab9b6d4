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
#include "cli/replay_script.h"
#include "cli/text_input.h"
#include "cli/window_pictures.h"
#include "cli/window_state_json.h"

// sefaro-cli replay [SCRIPT] [--shots DIR]: acts as the window's user, one action a line,
// and records what the window shows after each, so that a bug report is a script anyone
// can run again and a test can check the window end to end.
namespace {

constexpr const char* kCommand = "replay";

// Does what the line says.
void perform(CliWindow& window, const ReplayAction& action) {
    switch (action.verb) {
        case ReplayVerb::load:
            window.load(action.argument);
            break;
        case ReplayVerb::cancel:
            window.cancelLoad();
            break;
        case ReplayVerb::size:
            window.chooseSize(action.argument);
            break;
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
            window.sliderKey(action.argument);
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
}

std::string shotName(long step) {
    char name[32];
    std::snprintf(name, sizeof name, "%03ld.png", step);
    return name;
}

// A script's actions, each with the number of its line.
using Script = std::vector<std::pair<long, ReplayAction>>;

// Every line of the script checked before any is run, so that a slip in line 20 does not
// leave a window driven half way; nothing, and the error printed, at the first bad line.
std::optional<Script> readScript(std::istream& input) {
    Script script;
    std::string line, error;
    for (long line_number = 1; std::getline(input, line); ++line_number) {
        auto action = parseReplayLine(line, error);
        if (!error.empty()) {
            commandError(kCommand, "line " + std::to_string(line_number) + ": " + error,
                         kExitUsage);
            return std::nullopt;
        }
        if (action) script.emplace_back(line_number, std::move(*action));
    }
    return script;
}

int replay(std::istream& input, const std::string* shots) {
    const std::optional<Script> script = readScript(input);
    if (!script) return kExitUsage;
    CliWindow window;
    std::string error;
    long step = 0;
    for (const auto& [line_number, action] : *script) {
        perform(window, action);
        ++step;
        const std::string record = windowStateJson(step, line_number, action.text,
                                                   window.takeMessages(), window.tooltip());
        // Flushed, so that whoever drives the script sees each action's outcome at once.
        if (!writeToStdout(record))
            return commandError(kCommand, "cannot write to standard output", kExitFailed);
        if (shots &&
            !saveWindowPicture(window, (std::filesystem::path(*shots) / shotName(step)).string(),
                               "png", error)) {
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

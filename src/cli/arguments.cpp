#include "cli/arguments.h"

#include <algorithm>
#include <charconv>

const std::string* CommandArguments::option(std::string_view name) const {
    const auto found = options.find(name);
    return found == options.end() ? nullptr : &found->second;
}

std::optional<CommandArguments> splitArguments(int argc, char** argv,
                                               std::initializer_list<std::string_view> option_names,
                                               std::string& error) {
    CommandArguments result;
    bool options_ended = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (options_ended || argument.size() < 2 || argument[0] != '-') {
            result.operands.emplace_back(argument);
            continue;
        }
        if (argument == "--") {
            options_ended = true;
            continue;
        }
        // "--name", "--name=value" or "-n".
        const bool long_form = argument.starts_with("--");
        std::string_view name = argument.substr(long_form ? 2 : 1);
        std::optional<std::string> value;
        if (const auto equals = name.find('='); long_form && equals != std::string_view::npos) {
            value = std::string(name.substr(equals + 1));
            name = name.substr(0, equals);
        }
        const bool known =
            std::find(option_names.begin(), option_names.end(), name) != option_names.end() &&
            long_form == (name.size() > 1);
        if (!known) {
            error = "unknown option " + std::string(argument);
            return std::nullopt;
        }
        if (!value) {
            if (i + 1 >= argc) {
                error = "option " + std::string(argument) + " needs a value";
                return std::nullopt;
            }
            value = argv[++i];
        }
        if (!result.options.emplace(std::string(name), std::move(*value)).second) {
            error = "option " + std::string(long_form ? "--" : "-") + std::string(name) +
                    " given twice";
            return std::nullopt;
        }
    }
    return result;
}

std::optional<long> parseWholeNumber(std::string_view text) {
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    if (text.empty() || failure != std::errc() || stop != end) return std::nullopt;
    return value;
}

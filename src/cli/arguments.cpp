#include "cli/arguments.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "cli/option_needs.h"

namespace {

// "size" as "--size", "o" as "-o", "H|with-filename" as "-H,--with-filename".
std::string dashedNames(std::string_view names) {
    std::string dashed;
    for (std::size_t start = 0; start <= names.size();) {
        const std::size_t bar = std::min(names.find('|', start), names.size());
        const std::string_view name = names.substr(start, bar - start);
        if (!dashed.empty()) dashed += ',';
        dashed += (name.size() == 1 ? "-" : "--") + std::string(name);
        start = bar + 1;
    }
    return dashed;
}

std::string firstName(std::string_view names) {
    return std::string(names.substr(0, names.find('|')));
}

// The parser's failure in the commands' own words. It names the option as "NAME: …" (its
// longest name) for a missing or a repeated value, and lists what it did not expect.
std::string failureText(const CLI::ParseError& failure, const CommandSyntax& syntax) {
    const std::string what = failure.what();
    if (dynamic_cast<const CLI::ExtrasError*>(&failure)) {
        const std::string extra = what.substr(what.find(": ") + 2);
        return "there is no option " + extra.substr(0, extra.find(' '));
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&failure)) {
        const std::string given = what.substr(0, what.find(':'));
        for (std::string_view names : syntax.options) {
            const std::string dashed = dashedNames(names);
            if (("," + dashed + ",").find("," + given + ",") == std::string::npos) continue;
            const std::string shown = dashed.substr(0, dashed.find(','));
            if (what.ends_with("missing")) return shown + " needs " + optionNeeds(firstName(names));
            return shown + " is given more than once";
        }
    }
    return what;
}

}  // namespace

const std::string* CommandArguments::option(std::string_view name) const {
    const auto found = options.find(name);
    return found == options.end() ? nullptr : &found->second;
}

bool CommandArguments::flag(std::string_view name) const {
    return std::find(flags.begin(), flags.end(), name) != flags.end();
}

std::optional<CommandArguments> splitArguments(int argc, char** argv, const CommandSyntax& syntax,
                                               std::string& error) {
    CLI::App app;
    app.set_help_flag();
    CommandArguments result;
    app.add_option("operands", result.operands);

    // Map nodes stay where they are, so the parser may write into them.
    std::map<std::string, std::pair<std::string, CLI::Option*>> options;
    for (std::string_view names : syntax.options) {
        auto& [value, option] = options[firstName(names)];
        // Given twice is an error rather than the last one silently winning.
        option = app.add_option(dashedNames(names), value)
                     ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    }
    std::map<std::string, bool> flags;
    for (std::string_view names : syntax.flags)
        app.add_flag(dashedNames(names), flags[firstName(names)]);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& failure) {
        error = failureText(failure, syntax);
        return std::nullopt;
    }
    for (const auto& [name, given] : options) {
        if (given.second->count() > 0) result.options.emplace(name, given.first);
    }
    for (const auto& [name, given] : flags) {
        if (given) result.flags.push_back(name);
    }
    return result;
}

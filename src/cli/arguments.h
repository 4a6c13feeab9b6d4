#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The arguments of one subcommand: its operands in order, its options, each with a value,
// given as "--name VALUE", "--name=VALUE" or, for a one-letter name, "-n VALUE" or
// "-nVALUE", and its flags. "--" ends the options, so a file whose name starts with a dash
// can still be named.
struct CommandArguments {
    std::vector<std::string> operands;
    std::map<std::string, std::string, std::less<>> options;  // by name, without dashes
    std::vector<std::string> flags;                           // those given, by name

    const std::string* option(std::string_view name) const;
    bool flag(std::string_view name) const;
};

// What a subcommand accepts: option and flag names without dashes; a one-letter name is
// written with one dash, a longer one with two. "H|with-filename" names one flag twice; it
// is found under its first name.
struct CommandSyntax {
    std::vector<std::string_view> options;
    std::vector<std::string_view> flags = {};
};

// Splits argv[1 …] (argv[0] is the subcommand's name) by syntax. Nothing, and error set to
// one line, for an unknown or repeated option or an option without its value.
std::optional<CommandArguments> splitArguments(int argc, char** argv, const CommandSyntax& syntax,
                                               std::string& error);

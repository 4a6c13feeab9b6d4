#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The arguments of one subcommand: its operands in order, and its options, each with a
// value, given as "--name VALUE", "--name=VALUE" or, for a one-letter name, "-n VALUE".
// "--" ends the options, so a file whose name starts with a dash can still be named.
struct CommandArguments {
    std::vector<std::string> operands;
    std::map<std::string, std::string, std::less<>> options;  // by name, without dashes

    const std::string* option(std::string_view name) const;
};

// Splits argv[1 …] (argv[0] is the subcommand's name) into operands and the options of the
// given names. Nothing, and error set to one line, for an unknown or repeated option or an
// option without its value.
std::optional<CommandArguments> splitArguments(int argc, char** argv,
                                               std::initializer_list<std::string_view> option_names,
                                               std::string& error);

// The text as a whole decimal number (an optional minus sign, then digits only), or nothing.
std::optional<long> parseWholeNumber(std::string_view text);

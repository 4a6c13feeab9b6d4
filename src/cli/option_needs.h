#pragma once

#include <string>
#include <string_view>

// What each option of the commands takes, as an argument error tells the user:
// "--size needs one of 512, 1024, 2048, 4096". One table for every command, so that an
// option reads the same wherever it is given; name is the option's first name, without
// dashes.
std::string optionNeeds(std::string_view name);

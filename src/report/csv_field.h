#pragma once

#include <string>
#include <string_view>

// The text as one CSV field: as it is, or in double quotes with its quotes doubled when it
// holds a comma, a quote or a line break.
std::string csvField(std::string_view text);

#pragma once

#include <string>

// A double as the shortest decimal text that reads back to the same double, so a printed
// spectrum can be compared to the last bit.
std::string roundTripText(double value);

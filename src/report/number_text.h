#pragma once

#include <string>

// A double as the shortest-safe decimal text that reads back to the same double ("%.17g"),
// so a printed spectrum can be compared to the last bit.
std::string roundTripText(double value);

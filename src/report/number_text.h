#pragma once

#include <string>

// Numbers appended to a text in place, with no allocation of their own: a spectrum's rows
// are written by the thousand.

// The shortest decimal text that reads back to the same double, so a printed spectrum can
// be compared to the last bit.
void appendRoundTrip(std::string& out, double value);

// A whole number in decimal.
void appendWhole(std::string& out, long value);

// The same as a text of its own, where a value is written once.
std::string roundTripText(double value);

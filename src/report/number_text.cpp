#include "report/number_text.h"

#include <charconv>

std::string roundTripText(double value) {
    char text[32];  // the longest shortest form, "-2.2250738585072014e-308", has 24
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

#include "report/number_text.h"

#include <charconv>

namespace {

template <typename Number>
void appendNumber(std::string& out, Number value) {
    char text[32];  // the longest shortest double, "-2.2250738585072014e-308", has 24
    out.append(text, std::to_chars(text, text + sizeof text, value).ptr);
}

}  // namespace

void appendRoundTrip(std::string& out, double value) {
    appendNumber(out, value);
}

void appendWhole(std::string& out, long value) {
    appendNumber(out, value);
}

std::string roundTripText(double value) {
    std::string text;
    appendRoundTrip(text, value);
    return text;
}

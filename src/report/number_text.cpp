#include "report/number_text.h"

#include <cstdio>

std::string roundTripText(double value) {
    char text[32];  // "%.17g" needs at most 24 characters
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

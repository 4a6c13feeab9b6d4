#include "cli/json_line.h"

std::string jsonLine(const JsonObject& value) {
    constexpr int kOneLine = -1;
    constexpr bool kEscapeNonAscii = false;
    return value.dump(kOneLine, ' ', kEscapeNonAscii, JsonObject::error_handler_t::replace) + '\n';
}

#include "toolkit/WSCstring.h"

WSCstring::WSCstring(long) {}

WSCstring::WSCstring(const char* text, long) : text_(text ? text : "") {}

WSCstring::WSCstring(const WSCvariant& value, long) : text_(value.text()) {}

const char* WSCstring::getString(long) const {
    return text_.c_str();
}

void WSCstring::setString(const char* text, long) {
    text_ = text ? text : "";
}

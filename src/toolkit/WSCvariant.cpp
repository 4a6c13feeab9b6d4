#include "toolkit/WSCvariant.h"

#include "numbers/whole_number.h"

WSCvariant::operator unsigned short() const {
    const long value = leadingWholeNumber(text_).value_or(0);
    if (value < 0 || value > 65535) return 0;
    return static_cast<unsigned short>(value);
}

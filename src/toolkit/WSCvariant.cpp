#include "toolkit/WSCvariant.h"

#include <cerrno>
#include <cstdlib>

WSCvariant::operator unsigned short() const
{
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text_.c_str(), &end, 10);
    if (end == text_.c_str() || errno != 0 || value < 0 || value > 65535) return 0;
    return static_cast<unsigned short>(value);
}

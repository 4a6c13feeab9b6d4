#pragma once

#include <string>

#include "toolkit/WSCvariant.h"

// A text value. The second argument of the constructors, getString and setString names
// an encoding; -2 (the only value the program passes) means the application's default,
// and every text is held as UTF-8 whatever it says.
class WSCstring {
  public:
    explicit WSCstring(long encoding = -2);
    WSCstring(const char* text, long encoding = -2);
    WSCstring(const WSCvariant& value, long encoding = -2);

    const char* getString(long encoding = -2) const;
    void setString(const char* text, long encoding = -2);

    operator const char*() const { return text_.c_str(); }     // NOLINT: implicit by design
    operator char*() { return text_.data(); }                  // NOLINT: implicit by design
    operator WSCvariant() const { return WSCvariant(text_); }  // NOLINT: implicit by design

  private:
    std::string text_;
};

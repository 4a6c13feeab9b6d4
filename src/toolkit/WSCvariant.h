#pragma once

#include <string>

// A property value. Every value travels as its decimal or plain text; conversions read
// that text back.
class WSCvariant {
  public:
    WSCvariant() = default;
    WSCvariant(const char* text) : text_(text ? text : "") {}  // NOLINT: implicit by design
    explicit WSCvariant(std::string text) : text_(std::move(text)) {}

    // The text read as a decimal number; text that is not a number, or a number outside
    // 0 … 65535, gives 0.
    operator unsigned short() const;  // NOLINT: implicit by design

    const char* text() const { return text_.c_str(); }

  private:
    std::string text_;
};

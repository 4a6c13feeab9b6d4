#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text of a string as a JSON string, quotes included. Quotes, backslashes and control
// characters are escaped; bytes that are not UTF-8 (a file name may hold any) become
// U+FFFD, so the result is always valid JSON.
std::string jsonString(std::string_view text);

// Builds one JSON text, left to right, with commas put in where they belong. The caller
// keeps the nesting right; each key is followed by exactly one value.
class JsonWriter {
  public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(long number);
    // Written so that it reads back to the same double; NaN and ±∞, which JSON cannot
    // hold, as null.
    JsonWriter& value(double number);
    JsonWriter& null();

    const std::string& text() const { return out_; }

  private:
    void beforeItem();
    JsonWriter& open(char bracket);
    JsonWriter& close(char bracket);

    std::string out_;
    std::vector<bool> level_is_empty_;  // one entry per open object or array
    bool after_key_ = false;
};

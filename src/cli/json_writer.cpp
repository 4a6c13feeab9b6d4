#include "cli/json_writer.h"

#include <cmath>
#include <cstdio>

#include "report/number_text.h"

namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// The length of the well-formed UTF-8 sequence that starts at text[i], or 0 when the bytes
// there are not one (stray continuation, overlong form, surrogate, beyond U+10FFFF, cut
// short).
std::size_t utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char second_low = 0x80, second_high = 0xBF;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) second_low = 0xA0;   // overlong
        if (lead == 0xED) second_high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) second_low = 0x90;   // overlong
        if (lead == 0xF4) second_high = 0x8F;  // beyond U+10FFFF
    } else {
        return 0;
    }
    if (text.size() - i < length) return 0;
    if (byte(i + 1) < second_low || byte(i + 1) > second_high) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    }
    return length;
}

}  // namespace

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 0) {
            out += kReplacement;
            ++i;
            continue;
        }
        if (length > 1) {
            out.append(text, i, length);
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            out += escaped;
        } else {
            out += c;
        }
        i += length;
    }
    out += '"';
    return out;
}

void JsonWriter::beforeItem() {
    if (after_key_) {
        after_key_ = false;
        return;
    }
    if (!level_is_empty_.empty()) {
        if (!level_is_empty_.back()) out_ += ',';
        level_is_empty_.back() = false;
    }
}

JsonWriter& JsonWriter::open(char bracket) {
    beforeItem();
    out_ += bracket;
    level_is_empty_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::close(char bracket) {
    out_ += bracket;
    if (!level_is_empty_.empty()) level_is_empty_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginObject() {
    return open('{');
}
JsonWriter& JsonWriter::endObject() {
    return close('}');
}
JsonWriter& JsonWriter::beginArray() {
    return open('[');
}
JsonWriter& JsonWriter::endArray() {
    return close(']');
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beforeItem();
    out_ += jsonString(name);
    out_ += ':';
    after_key_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    beforeItem();
    out_ += jsonString(text);
    return *this;
}

JsonWriter& JsonWriter::value(long number) {
    beforeItem();
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(double number) {
    beforeItem();
    out_ += std::isfinite(number) ? roundTripText(number) : "null";
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeItem();
    out_ += "null";
    return *this;
}

#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>

namespace {

// Bytes that are not well-formed UTF-8 become U+FFFD, one for each byte.
TEST(JsonString, EscapesQuotesAndControlsAndReplacesWhatIsNotUtf8) {
    const std::string bad = "\xEF\xBF\xBD";
    // The first and last second bytes allowed after E0, ED, F0 and F4.
    const std::string edges = "\xE0\xA0\x80\xED\x9F\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
    const std::pair<std::string, std::string> cases[] = {
        {"a\"b\\c", R"("a\"b\\c")"},
        {"a\nb\tc\rd", R"("a\nb\tc\rd")"},
        {std::string("\x01\x1f\x7f\0", 4), R"("\u0001\u001f\u007f\u0000")"},
        {"Grüße ゴ 𝄞", "\"Grüße ゴ 𝄞\""},
        {edges, "\"" + edges + "\""},
        {"a\x80z", "\"a" + bad + "z\""},                            // stray continuation
        {"caf\xE9.wav", "\"caf" + bad + ".wav\""},                  // Latin-1
        {"\xC0\xAF", "\"" + bad + bad + "\""},                      // overlong
        {"\xE0\x9F\xBF", "\"" + bad + bad + bad + "\""},            // overlong
        {"\xF0\x8F\xBF\xBF", "\"" + bad + bad + bad + bad + "\""},  // overlong
        {"\xF5\x80\x80\x80", "\"" + bad + bad + bad + bad + "\""},  // no such lead byte
        {"\xED\xA0\x80", "\"" + bad + bad + bad + "\""},            // surrogate
        {"\xF4\x90\x80\x80", "\"" + bad + bad + bad + bad + "\""},  // beyond U+10FFFF
        {"ab\xE3\x82", "\"ab" + bad + bad + "\""},                  // cut short at the end
    };
    for (const auto& [text, json] : cases) EXPECT_EQ(jsonString(text), json) << json;
}

TEST(JsonWriter, NumbersKeepEveryDigitAndNonFiniteOnesAreNull) {
    JsonWriter json;
    json.beginArray().value(0.1).value(5e-324).value(std::numeric_limits<double>::quiet_NaN());
    json.value(-std::numeric_limits<double>::infinity()).endArray();
    EXPECT_EQ(json.text(), "[0.10000000000000001,4.9406564584124654e-324,null,null]");
}

}  // namespace

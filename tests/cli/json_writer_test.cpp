#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <ostream>
#include <random>
#include <string>

#include "cli/number_text.h"

namespace {

struct Escape {
    const char* name;
    std::string text;
    std::string json;
};
void PrintTo(const Escape& value, std::ostream* out) {
    *out << value.name;
}

class JsonStringEscape : public testing::TestWithParam<Escape> {};

TEST_P(JsonStringEscape, GivesTheExpectedText) {
    EXPECT_EQ(jsonString(GetParam().text), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonStringEscape,
    testing::Values(Escape{"plain", "tone 1.wav", "\"tone 1.wav\""},
                    Escape{"quote_and_backslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
                    Escape{"common_controls", "a\nb\tc\rd", "\"a\\nb\\tc\\rd\""},
                    Escape{"other_controls", std::string("\x01\x1f\x7f", 3),
                           "\"\\u0001\\u001f\\u007f\""},
                    Escape{"nul", std::string("a\0b", 3), "\"a\\u0000b\""},
                    Escape{"utf8_kept", "Grüße ゴ 𝄞", "\"Grüße ゴ 𝄞\""},
                    Escape{"stray_continuation", "a\x80z", "\"a\xEF\xBF\xBDz\""},
                    Escape{"latin1_byte", "caf\xE9.wav", "\"caf\xEF\xBF\xBD.wav\""},
                    Escape{"overlong_slash", "\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
                    Escape{"surrogate", "\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
                    Escape{"beyond_unicode", "\xF4\x90\x80\x80",
                           "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
                    Escape{"cut_short_at_end", "ab\xE3\x82", "\"ab\xEF\xBF\xBD\xEF\xBF\xBD\""}),
    [](const auto& info) { return std::string(info.param.name); });

// Whatever bytes a file name holds, the result is a JSON string that reads back.
TEST(JsonString, AnyBytesGiveValidJson) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(random() % 12, '\0');
        for (char& c : bytes) c = static_cast<char>(random() % 256);
        const std::string document = "[" + jsonString(bytes) + "]";
        QJsonParseError error;
        QJsonDocument::fromJson(QByteArray::fromStdString(document), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << document;
    }
}

TEST(JsonWriter, PutsCommasBetweenItemsAtEveryLevel) {
    JsonWriter json;
    json.beginObject();
    json.key("a").value(1L);
    json.key("b")
        .beginArray()
        .value(2L)
        .beginObject()
        .endObject()
        .beginArray()
        .endArray()
        .value("x")
        .endArray();
    json.key("c").beginObject().key("d").value("e").endObject();
    json.endObject();
    EXPECT_EQ(json.text(), R"({"a":1,"b":[2,{},[],"x"],"c":{"d":"e"}})");
}

TEST(JsonWriter, NumbersReadBackExactlyAndNonFiniteOnesAreNull) {
    const double values[] = {0.1, -1.0 / 3, 5e-324, 1.7976931348623157e308, 3.141592653589793};
    JsonWriter json;
    json.beginArray();
    for (double v : values) json.value(v);
    json.value(std::numeric_limits<double>::quiet_NaN())
        .value(std::numeric_limits<double>::infinity());
    json.endArray();

    QJsonParseError error;
    const QJsonArray array =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.text()), &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.text();
    ASSERT_EQ(array.size(), 7);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(array[i].toDouble(), values[i]) << i;
    EXPECT_TRUE(array[5].isNull());
    EXPECT_TRUE(array[6].isNull());
}

TEST(RoundTripText, ReadsBackToTheSameDouble) {
    std::mt19937_64 random(11);
    for (int i = 0; i < 10000; ++i) {
        double value;
        do {
            const std::uint64_t bits = random();
            static_assert(sizeof bits == sizeof value);
            std::memcpy(&value, &bits, sizeof value);
        } while (!std::isfinite(value));
        ASSERT_EQ(std::strtod(roundTripText(value).c_str(), nullptr), value)
            << roundTripText(value);
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "cli/json_line.h"
#include "numbers/whole_number.h"
#include "report/number_text.h"

namespace {

struct Reading {
    const char* text;
    // As the callbacks read a widget's text, and as the command line reads a value.
    std::optional<long> leading, whole;
    friend void PrintTo(const Reading& r, std::ostream* out) { *out << '"' << r.text << '"'; }
};

class WholeNumber : public testing::TestWithParam<Reading> {};

TEST_P(WholeNumber, ReadsAsScanfsLdOrOnlyAsAWholeText) {
    EXPECT_EQ(leadingWholeNumber(GetParam().text), GetParam().leading);
    EXPECT_EQ(wholeNumber(GetParam().text), GetParam().whole);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, WholeNumber, testing::Values(
    Reading{"4096", 4096, 4096},
    Reading{"-24", -24, -24},
    Reading{" \t12", 12, std::nullopt},
    Reading{"+512", 512, std::nullopt},
    Reading{"12px", 12, std::nullopt},
    Reading{"1e3", 1, std::nullopt},
    Reading{"12 ", 12, std::nullopt},
    Reading{"", std::nullopt, std::nullopt},
    Reading{"abc", std::nullopt, std::nullopt},
    Reading{"99999999999999999999", LONG_MAX, std::nullopt},
    Reading{"-9223372036854775808", LONG_MIN, LONG_MIN}));
// clang-format on

// A file name may hold any bytes; the line must stay valid JSON with the keys in order.
TEST(JsonLine, KeepsKeyOrderReplacesWhatIsNotUtf8AndNumbersReadBackExactly) {
    JsonObject record;
    record["name"] = std::string("caf\xE9 \"1\"\n.wav");
    record["a"] = std::vector<double>{0.1, 5e-324, std::numeric_limits<double>::quiet_NaN(),
                                      -std::numeric_limits<double>::infinity()};
    EXPECT_EQ(jsonLine(record),
              "{\"name\":\"caf\xEF\xBF\xBD \\\"1\\\"\\n.wav\",\"a\":[0.1,5e-324,null,null]}\n");
}

// The shortest text that reads back to the same double, not a fixed 17 digits.
TEST(RoundTripText, IsTheShortestTextOfTheSameDouble) {
    std::string out = "x";
    for (const double value : {0.1, 22050.0, 5e-324}) appendRoundTrip(out, value);
    appendWhole(out, -4096);
    EXPECT_EQ(out, "x0.1220505e-324-4096");
}

}  // namespace

#include "cli/arguments.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "cli/segment_request.h"

namespace {

using testing::HasSubstr;

// argv for a subcommand called "cmd".
struct Argv {
    explicit Argv(std::vector<std::string> words) : texts(std::move(words)) {
        texts.insert(texts.begin(), "cmd");
        for (std::string& t : texts) pointers.push_back(t.data());
        pointers.push_back(nullptr);
    }
    int argc() const { return static_cast<int>(texts.size()); }
    char** argv() { return pointers.data(); }
    std::vector<std::string> texts;
    std::vector<char*> pointers;
};

std::optional<CommandArguments> split(std::vector<std::string> words, std::string& error) {
    Argv args(std::move(words));
    return splitArguments(args.argc(), args.argv(), {"size", "position", "o"}, error);
}

TEST(SplitArguments, TakesOptionsInEveryFormAndOperandsInOrder) {
    std::string error;
    const auto parsed = split(
        {"a.wav", "--size", "2048", "--position=7", "-o", "x.png", "--", "--b.wav", "-"}, error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(parsed->operands, (std::vector<std::string>{"a.wav", "--b.wav", "-"}));
    EXPECT_EQ(*parsed->option("size"), "2048");
    EXPECT_EQ(*parsed->option("position"), "7");
    EXPECT_EQ(*parsed->option("o"), "x.png");
    EXPECT_EQ(parsed->option("format"), nullptr);
}

TEST(SplitArguments, AValueMayStartWithADash) {
    std::string error;
    const auto parsed = split({"--position", "-5", "a.wav"}, error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(*parsed->option("position"), "-5");
    EXPECT_EQ(parsed->operands, std::vector<std::string>{"a.wav"});
}

struct Refused {
    const char* name;
    std::vector<std::string> words;
    std::string error;
};
void PrintTo(const Refused& value, std::ostream* out) {
    *out << value.name;
}

class SplitArgumentsError : public testing::TestWithParam<Refused> {};

TEST_P(SplitArgumentsError, SaysWhy) {
    std::string error;
    EXPECT_FALSE(split(GetParam().words, error));
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Words, SplitArgumentsError,
    testing::Values(Refused{"unknown", {"a.wav", "--colour", "red"}, "unknown option --colour"},
                    Refused{"long_name_with_one_dash", {"-size", "512"}, "unknown option -size"},
                    Refused{"short_name_with_two_dashes", {"--o", "x.png"}, "unknown option --o"},
                    Refused{"no_value", {"a.wav", "--size"}, "option --size needs a value"},
                    Refused{
                        "twice", {"--size", "512", "--size=1024"}, "option --size given twice"}),
    [](const auto& info) { return std::string(info.param.name); });

std::optional<SegmentRequest> request(std::vector<std::string> words, std::string& error) {
    const auto parsed = split(std::move(words), error);
    return parsed ? segmentRequest(*parsed, error) : std::nullopt;
}

TEST(SegmentRequest, DefaultsToTheWindowsStartingSizeAndPosition) {
    std::string error;
    const auto r = request({"a.wav"}, error);
    ASSERT_TRUE(r) << error;
    EXPECT_EQ(r->file, "a.wav");
    EXPECT_EQ(r->size, 1024);
    EXPECT_EQ(r->position, 0);
}

TEST(SegmentRequest, TakesEverySizeOfTheSizeBox) {
    for (const char* size : {"512", "1024", "2048", "4096"}) {
        std::string error;
        const auto r = request({"a.wav", "--size", size, "--position", "3"}, error);
        ASSERT_TRUE(r) << error;
        EXPECT_EQ(r->size, std::stol(size));
        EXPECT_EQ(r->position, 3);
    }
}

class SegmentRequestError : public testing::TestWithParam<Refused> {};

TEST_P(SegmentRequestError, SaysWhatIsAllowed) {
    std::string error;
    EXPECT_FALSE(request(GetParam().words, error));
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Words, SegmentRequestError,
    testing::Values(Refused{"no_file", {}, "FILE is missing"},
                    Refused{"empty_file", {""}, "FILE is missing"},
                    Refused{"two_files", {"a.wav", "b.wav"}, "give one FILE only"},
                    Refused{"size_not_an_item",
                            {"a.wav", "--size", "1000"},
                            "size \"1000\" is not one of 512, 1024, 2048, 4096"},
                    Refused{"size_with_unit",
                            {"a.wav", "--size", "512k"},
                            "size \"512k\" is not one of 512, 1024, 2048, 4096"},
                    Refused{"size_with_plus",
                            {"a.wav", "--size", "+512"},
                            "size \"+512\" is not one of 512, 1024, 2048, 4096"},
                    Refused{"position_not_a_number",
                            {"a.wav", "--position", "ten"},
                            "position \"ten\" is not a whole number of samples"},
                    Refused{"position_too_big_for_a_long",
                            {"a.wav", "--position", "99999999999999999999"},
                            "position \"99999999999999999999\" is not a whole number of samples"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SegmentRange, IsTheSlidersRangeForThatWaveAndSize) {
    const auto range_error = [](long size, long position, long points) {
        return segmentRangeError(SegmentRequest{"a.wav", size, position}, points);
    };
    EXPECT_EQ(range_error(1024, 0, 22050), std::nullopt);
    EXPECT_EQ(range_error(1024, 21026, 22050), std::nullopt);
    EXPECT_EQ(range_error(512, 0, 512), std::nullopt);
    EXPECT_EQ(range_error(1024, 21027, 22050),
              "position 21027 is outside 0 to 21026 (a.wav has 22050 samples, size 1024)");
    EXPECT_EQ(range_error(1024, -1, 22050),
              "position -1 is outside 0 to 21026 (a.wav has 22050 samples, size 1024)");
    EXPECT_EQ(range_error(4096, 0, 3000),
              "a.wav has 3000 samples, fewer than the size 4096; sizes that fit: 512, 1024, 2048");
    EXPECT_EQ(range_error(1024, 0, 1000),
              "a.wav has 1000 samples, fewer than the size 1024; sizes that fit: 512");
    EXPECT_EQ(range_error(512, 0, 4),
              "a.wav has 4 samples, fewer than the size 512; every size needs at least 512");
}

}  // namespace

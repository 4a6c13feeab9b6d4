#include "cli/replay_script.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct Line {
    const char* name;
    std::string line;
    ReplayVerb verb;
    std::string argument;
    long slider_value;
    std::string text;
};
void PrintTo(const Line& value, std::ostream* out) {
    *out << value.name;
}

class ReplayLineAction : public testing::TestWithParam<Line> {};

TEST_P(ReplayLineAction, IsRead) {
    std::string error = "left over";
    const auto action = parseReplayLine(GetParam().line, error);
    ASSERT_TRUE(action) << error;
    EXPECT_EQ(error, "");
    EXPECT_EQ(action->verb, GetParam().verb);
    EXPECT_EQ(action->argument, GetParam().argument);
    EXPECT_EQ(action->slider_value, GetParam().slider_value);
    EXPECT_EQ(action->text, GetParam().text);
}

using V = ReplayVerb;

INSTANTIATE_TEST_SUITE_P(
    Lines, ReplayLineAction,
    testing::Values(Line{"load", "load a.wav", V::load, "a.wav", 0, "load a.wav"},
                    Line{"load_keeps_inner_blanks", "  load   my tone #1.wav \r", V::load,
                         "my tone #1.wav", 0, "load   my tone #1.wav"},
                    Line{"cancel", "cancel", V::cancel, "", 0, "cancel"},
                    Line{"size", "size 2048", V::size, "2048", 0, "size 2048"},
                    Line{"slide", "slide 300", V::slide, "", 300, "slide 300"},
                    Line{"slide_negative", "slide -5", V::slide, "", -5, "slide -5"},
                    Line{"release_with_tab", "\trelease", V::release, "", 0, "release"},
                    Line{"back", "back", V::back, "", 0, "back"},
                    Line{"forw_crlf", "forw\r", V::forw, "", 0, "forw"},
                    Line{"key_left", "key Left", V::key, "Left", 0, "key Left"},
                    Line{"key_right", "key Right", V::key, "Right", 0, "key Right"},
                    Line{"key_page_up", "key PageUp", V::key, "PageUp", 0, "key PageUp"},
                    Line{"key_page_down", "key PageDown", V::key, "PageDown", 0,
                         "key PageDown"},
                    Line{"key_home", "key Home", V::key, "Home", 0, "key Home"},
                    Line{"key_end", "key   End", V::key, "End", 0, "key   End"}),
    [](const auto& info) { return std::string(info.param.name); });

class ReplayLineWithoutAction : public testing::TestWithParam<std::string> {};

TEST_P(ReplayLineWithoutAction, IsSkippedWithoutError) {
    std::string error = "left over";
    EXPECT_FALSE(parseReplayLine(GetParam(), error));
    EXPECT_EQ(error, "");
}

INSTANTIATE_TEST_SUITE_P(Lines, ReplayLineWithoutAction,
                         testing::Values("", "   ", "\r", "# load a.wav", "   #comment", "#"));

struct Bad {
    const char* name;
    std::string line;
    std::string error_part;
};
void PrintTo(const Bad& value, std::ostream* out) {
    *out << value.name;
}

class ReplayLineError : public testing::TestWithParam<Bad> {};

TEST_P(ReplayLineError, SaysWhatIsWrong) {
    std::string error;
    EXPECT_FALSE(parseReplayLine(GetParam().line, error));
    EXPECT_NE(error.find(GetParam().error_part), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReplayLineError,
    testing::Values(Bad{"unknown", "jump 3", "unknown action \"jump\""},
                    Bad{"case_matters", "Load a.wav", "unknown action \"Load\""},
                    Bad{"load_without_path", "load   ", "load needs a PATH"},
                    Bad{"size_not_a_number", "size big", "size needs a number"},
                    Bad{"size_missing", "size", "size needs a number"},
                    Bad{"slide_fraction", "slide 1.5", "slide needs a whole number"},
                    Bad{"slide_beyond_int", "slide 3000000000", "slide needs a whole number"},
                    Bad{"slide_two_numbers", "slide 1 2", "slide needs a whole number"},
                    Bad{"key_unknown", "key Up", "key needs one of"},
                    Bad{"key_lower_case", "key left", "key needs one of"},
                    Bad{"cancel_with_argument", "cancel now", "takes nothing"},
                    Bad{"back_with_argument", "back 2", "takes nothing"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// The excerpt picker's band under the keys and the pointer's moves: it keeps within the
// recording, so that the excerpt it marks always starts on the recording.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/WSexcerptPicker.h"

namespace {

struct BandMove {
    std::string name;
    double duration_s;
    std::vector<std::string> keys;  // "to S" moves the band's start to S seconds
    double from_s;                  // where the band starts then
    friend void PrintTo(const BandMove& row, std::ostream* out) { *out << row.name; }
};

class ExcerptPickerBand : public testing::TestWithParam<BandMove> {};

TEST_P(ExcerptPickerBand, StaysWithinTheRecording) {
    const BandMove& row = GetParam();
    WSCexcerptPicker picker;
    picker.setSource("facts", row.duration_s, 2, 0.5, {}, {});
    for (const std::string& key : row.keys) {
        if (key.starts_with("to ")) {
            picker.moveTo(std::stod(key.substr(3)));
        } else {
            ASSERT_TRUE(picker.key(key)) << key;
        }
    }
    EXPECT_NEAR(picker.fromSeconds(), row.from_s, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ExcerptPickerBand,
    testing::Values(BandMove{"right_steps_a_tenth", 10, {"Right", "Right"}, 0.2},
                    BandMove{"left_stops_at_the_start", 10, {"Right", "Left", "Left"}, 0},
                    BandMove{"page_down_steps_a_second", 10, {"PageDown", "PageDown"}, 2},
                    BandMove{"page_up_steps_back", 10, {"to 5.25", "PageUp"}, 4.25},
                    BandMove{"end_leaves_half_a_second", 10, {"End"}, 9.5},
                    BandMove{"home_goes_to_the_start", 10, {"End", "Home"}, 0},
                    BandMove{"page_down_stops_at_the_end", 1.2, {"PageDown"}, 0.7},
                    BandMove{"shorter_than_the_band", 0.3, {"End", "Right"}, 0},
                    BandMove{"not_a_number_goes_to_the_start", 10, {"to 3", "to nan"}, 0},
                    BandMove{"past_the_end", 10, {"to 99"}, 9.5}),
    [](const testing::TestParamInfo<BandMove>& info) { return info.param.name; });

TEST(ExcerptPickerKeys, OtherKeysAndChannelsChangeNothing) {
    WSCexcerptPicker picker;
    picker.setSource("facts", 10, 2, 0.5, {}, {});
    EXPECT_FALSE(picker.key("Up"));
    EXPECT_FALSE(picker.chooseChannel(3));
    EXPECT_FALSE(picker.chooseChannel(-1));
    EXPECT_EQ(picker.channel(), WSCexcerptPicker::kMeanChannel);
    EXPECT_TRUE(picker.chooseChannel(2));
    EXPECT_EQ(picker.channel(), 2);
}

}  // namespace

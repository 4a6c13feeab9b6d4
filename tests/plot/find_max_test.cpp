#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "plot/cmnDraw.h"

namespace {

struct ShortCase {
    std::vector<short> values;
    short largest;
};

class FindMaxShort : public testing::TestWithParam<ShortCase> {};

TEST_P(FindMaxShort, GivesTheLargestMagnitude)
{
    const ShortCase& c = GetParam();
    EXPECT_EQ(findMax(c.values.data(), static_cast<long>(c.values.size())), c.largest);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FindMaxShort,
    testing::Values(ShortCase{{3, -7, 5}, 7}, ShortCase{{0, 0}, 0}, ShortCase{{}, -1},
                    ShortCase{{32767, -32767}, 32767},
                    // −32768 has no 16-bit magnitude and never wins.
                    ShortCase{{-32768, 5}, 5}, ShortCase{{-32768}, -1}));

TEST(FindMaxShort, NegativeCountIsEmpty)
{
    const short values[] = {4};
    EXPECT_EQ(findMax(values, -3), -1);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct DoubleCase {
    std::vector<double> values;
    double largest;
};

class FindMaxDouble : public testing::TestWithParam<DoubleCase> {};

TEST_P(FindMaxDouble, GivesTheLargestMagnitude)
{
    const DoubleCase& c = GetParam();
    EXPECT_EQ(findMax(c.values.data(), static_cast<long>(c.values.size())), c.largest);
}

INSTANTIATE_TEST_SUITE_P(Values, FindMaxDouble,
                         testing::Values(DoubleCase{{-2.5, 1.0}, 2.5}, DoubleCase{{}, -1.0},
                                         DoubleCase{{0.0, -0.0}, 0.0},
                                         // NaN never compares greater: it is passed over.
                                         DoubleCase{{kNaN, 1.0, kNaN}, 1.0},
                                         DoubleCase{{kNaN}, -1.0},
                                         DoubleCase{{3.0, -kInf}, kInf}));

}  // namespace

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "dsp/fft.h"

namespace {

std::vector<double> sine_table(int n) {
    std::vector<double> t(n + n / 4);
    make_sintbl(n, t.data());
    return t;
}

// == ignores the sign of zero, which the table does not promise.
TEST(SineTable, FourPointsIsQuarterTurns) {
    EXPECT_THAT(sine_table(4), testing::ElementsAre(0.0, 1.0, 0.0, -1.0, 0.0));
}

TEST(SineTable, EightPointsTakesTheDiagonalFromSqrtHalf) {
    const double r = std::sqrt(0.5);
    EXPECT_THAT(sine_table(8), testing::ElementsAre(0.0, r, 1.0, r, 0.0, -r, -1.0, -r, 0.0, r));
}

class SineTableSize : public testing::TestWithParam<int> {};

// The recurrence must not drift: every entry within 1e-15 of the sine, to the very last.
TEST_P(SineTableSize, EveryEntryIsTheSine) {
    const int n = GetParam();
    const std::vector<double> t = sine_table(n);
    for (int i = 0; i < n + n / 4; i++) {
        const long double angle = 2 * std::numbers::pi_v<long double> * i / n;
        ASSERT_NEAR(t[i], static_cast<double>(std::sin(angle)), 1e-15) << "entry " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(PowersOfTwo, SineTableSize,
                         testing::Values(16, 32, 64, 128, 256, 512, 1024, 2048, 4096, 1 << 16));

}  // namespace

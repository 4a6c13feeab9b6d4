#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "dsp/fft.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kHamming = 1, kHann = 2, kBlackman = 3;

struct WindowShape {
    int type;
    double end, middle;
};

class WindowFunctionShape : public testing::TestWithParam<WindowShape> {};

TEST_P(WindowFunctionShape, EndsMiddleAndSymmetry) {
    const auto [type, end, middle] = GetParam();
    for (long n : {5L, 513L}) {
        std::vector<double> w(n, 2.0);
        WindowFunction(w.data(), n, type);
        EXPECT_NEAR(w.front(), 2 * end, 1e-15) << n;
        EXPECT_NEAR(w[(n - 1) / 2], 2 * middle, 1e-15) << n;
        for (long i = 0; i < n; i++) ASSERT_NEAR(w[i], w[n - 1 - i], 1e-15) << n << " " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Types, WindowFunctionShape,
                         testing::Values(WindowShape{kHamming, 0.08, 1.0},
                                         WindowShape{kHann, 0.0, 1.0},
                                         WindowShape{kBlackman, 0.0, 1.0}));

struct NoWindow {
    int type;
    long n;
};

class WindowFunctionUntouched : public testing::TestWithParam<NoWindow> {};

TEST_P(WindowFunctionUntouched, LeavesDataAsItWas) {
    const std::vector<double> before{0.5, -1.5, 2.5, 7.0};
    std::vector<double> data = before;
    WindowFunction(data.data(), GetParam().n, GetParam().type);
    EXPECT_EQ(data, before);
}

INSTANTIATE_TEST_SUITE_P(UnknownTypeOrNoRange, WindowFunctionUntouched,
                         testing::Values(NoWindow{0, 4}, NoWindow{4, 4}, NoWindow{kHamming, 0},
                                         NoWindow{kBlackman, -3}, NoWindow{kHann, 1}));

struct Bin {
    double re, im, power, phase;
};

class PowAndPhsBin : public testing::TestWithParam<Bin> {};

TEST_P(PowAndPhsBin, PowerAndPhase) {
    Bin b = GetParam();
    double power = -1, phase = -1;
    long half = -1;
    PowAndPhs(&b.re, &b.im, &power, &phase, 1, &half);
    EXPECT_EQ(half, 0);
    EXPECT_DOUBLE_EQ(power, b.power);
    EXPECT_DOUBLE_EQ(phase, b.phase);
}

// 6e-9 and 8e-9 square and add to exactly 1e-16: the floor itself still counts as noise.
INSTANTIATE_TEST_SUITE_P(
    Quadrants, PowAndPhsBin,
    testing::Values(Bin{1, 1, 2, kPi / 4}, Bin{-1, 1, 2, 3 * kPi / 4}, Bin{-1, -1, 2, -3 * kPi / 4},
                    Bin{-1, 0, 1, kPi}, Bin{-1, -0.0, 1, kPi}, Bin{0, 2, 4, kPi / 2},
                    Bin{0, -2, 4, -kPi / 2}, Bin{0, 0, 0, 0}, Bin{6e-9, 8e-9, 1e-16, 0},
                    Bin{6e-9, std::nextafter(8e-9, 1.0), 1e-16, std::atan(8.0 / 6)}));

TEST(PowAndPhs, StoresHalfAndWritesOnlyNEntries) {
    std::vector<double> re{1, 2, 3, 4, 5, 6}, im{0, 0, 0, 0, 0, 6};
    std::vector<double> power(6, -1.0), phase(6, -1.0);
    for (long n : {5L, 0L, -3L}) {
        long half = 99;
        PowAndPhs(re.data(), im.data(), power.data(), phase.data(), n, &half);
        EXPECT_EQ(half, n / 2);
    }
    EXPECT_EQ(power[4], 25.0);
    EXPECT_EQ(power[5], -1.0);
    EXPECT_EQ(phase[5], -1.0);
}

TEST(LogPlus1, MapsZeroToZeroAndEMinusOneToOne) {
    std::vector<double> data{0.0, std::numbers::e - 1, 5.0};
    logPlus1(data.data(), 2);
    logPlus1(data.data(), 0);
    logPlus1(data.data(), -2);
    EXPECT_EQ(data[0], 0.0);
    EXPECT_DOUBLE_EQ(data[1], 1.0);
    EXPECT_EQ(data[2], 5.0);
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "dsp/fft.h"

namespace {

constexpr double kPi = std::numbers::pi;

// Ends, middle and symmetry of each window, at an odd size that has a middle sample; the
// data is 2 everywhere, so a window that sets instead of multiplying shows.
TEST(WindowFunction, EndsMiddleAndSymmetry) {
    struct Shape {
        int type;
        double end, middle;
    };
    for (const Shape& shape : {Shape{1, 0.08, 1.0}, Shape{2, 0.0, 1.0}, Shape{3, 0.0, 1.0}}) {
        for (long n : {5L, 513L}) {
            SCOPED_TRACE(testing::Message() << "type " << shape.type << ", n " << n);
            std::vector<double> w(n, 2.0);
            WindowFunction(w.data(), n, shape.type);
            EXPECT_NEAR(w.front(), 2 * shape.end, 1e-15);
            EXPECT_NEAR(w[(n - 1) / 2], 2 * shape.middle, 1e-15);
            for (long i = 0; i < n; i++) ASSERT_NEAR(w[i], w[n - 1 - i], 1e-15) << i;
        }
    }
}

// Types 0 and 4 are no window; fewer than two points leave nothing to taper.
TEST(WindowFunction, UnknownTypeOrNoRangeLeavesTheDataAsItWas) {
    const std::vector<double> before{0.5, -1.5, 2.5, 7.0};
    for (auto [type, n] : {std::pair{0, 4L}, {4, 4L}, {1, 0L}, {3, -3L}, {2, 1L}}) {
        std::vector<double> data = before;
        WindowFunction(data.data(), n, type);
        EXPECT_EQ(data, before) << type << ", " << n;
    }
}

// One bin at a time, in every quadrant and on the axes. 6e-9 and 8e-9 square and add to
// exactly 1e-16: the floor itself still counts as noise, with phase 0.
TEST(PowAndPhs, PowerAndPhaseOfABin) {
    struct Bin {
        double re, im, power, phase;
    };
    for (Bin b : {Bin{1, 1, 2, kPi / 4}, Bin{-1, 1, 2, 3 * kPi / 4}, Bin{-1, -1, 2, -3 * kPi / 4},
                  Bin{-1, 0, 1, kPi}, Bin{-1, -0.0, 1, kPi}, Bin{0, 2, 4, kPi / 2},
                  Bin{0, -2, 4, -kPi / 2}, Bin{0, 0, 0, 0}, Bin{6e-9, 8e-9, 1e-16, 0},
                  Bin{6e-9, std::nextafter(8e-9, 1.0), 1e-16, std::atan(8.0 / 6)}}) {
        double power = -1, phase = -1;
        long half = -1;
        PowAndPhs(&b.re, &b.im, &power, &phase, 1, &half);
        EXPECT_EQ(half, 0);
        EXPECT_DOUBLE_EQ(power, b.power) << b.re << ", " << b.im;
        EXPECT_DOUBLE_EQ(phase, b.phase) << b.re << ", " << b.im;
    }
}

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

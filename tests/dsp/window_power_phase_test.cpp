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

}  // namespace

#include "dsp/fft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <random>
#include <vector>

#include "dsp/fft_passes.h"
#include "support/fftw_dft.h"

namespace {

using Complex = std::complex<double>;
using Signal = std::vector<Complex>;
constexpr int kForward = 0, kInverse = 1;  // fft()'s flag

Signal randomSignal(int n, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    Signal s(n);
    for (Complex& v : s) v = {dist(gen), dist(gen)};
    return s;
}

// The split arrays fft() works on.
struct Split {
    explicit Split(const Signal& s) {
        for (const Complex& v : s) x.push_back(v.real()), y.push_back(v.imag());
    }
    int transform(int flag) { return fft(x.data(), y.data(), static_cast<int>(x.size()), flag); }
    std::vector<double> x, y;
};

// Largest error relative to the largest expected value, in units of eps * log2(n).
double relativeError(const Split& got, const Signal& want) {
    double error = 0, scale = 0;
    for (size_t i = 0; i < want.size(); i++) {
        error = std::max(error, std::abs(Complex{got.x[i], got.y[i]} - want[i]));
        scale = std::max(scale, std::abs(want[i]));
    }
    return error / (scale * std::numeric_limits<double>::epsilon() * std::log2(want.size()));
}

class FftSize : public testing::TestWithParam<int> {};

// Both directions against FFTW; the forward result, transformed back, is the input again.
TEST_P(FftSize, MatchesFftwAndInvertsItself) {
    for (int flag : {kForward, kInverse}) {
        const Signal input = randomSignal(GetParam(), 100 + flag);
        Split s(input);
        ASSERT_EQ(s.transform(flag), 0);
        EXPECT_LE(relativeError(s, fftwDft(input, flag == kForward)), 2.0) << "flag " << flag;
        if (flag == kForward) {
            ASSERT_EQ(s.transform(kInverse), 0);
            EXPECT_LE(relativeError(s, input), 4.0) << "round trip";
        }
    }
}

// The blocked kernels only reorder independent butterflies, so any difference from the
// literal loop order, however small, is a fault.
TEST_P(FftSize, AllKernelsAgreeBitForBit) {
    const int n = GetParam();
    std::vector<double> sintbl(n + n / 4);
    make_sintbl(n, sintbl.data());
    std::vector<int> bitrev(n);
    make_bitrev(n, bitrev.data());
    const sefaro::dsp::FftTables tables{sintbl.data(), bitrev.data()};
    for (bool forward : {true, false}) {
        const Split input(randomSignal(n, 3));
        Split want = input, blocked = input, avx2 = input;
        sefaro::dsp::fftPassesReference(want.x.data(), want.y.data(), n, tables, forward);
        sefaro::dsp::fftPassesBlocked(blocked.x.data(), blocked.y.data(), n, tables, forward);
        EXPECT_TRUE(blocked.x == want.x && blocked.y == want.y) << "forward " << forward;
        if (sefaro::dsp::fftPassesBlockedAvx2(avx2.x.data(), avx2.y.data(), n, tables, forward)) {
            EXPECT_TRUE(avx2.x == want.x && avx2.y == want.y) << "forward " << forward;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PowersOfTwo, FftSize,
                         testing::Values(4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096));

// Only powers of two from 4 up: any other size returns 1 with the arrays untouched.
TEST(Fft, RefusesOtherSizesUntouched) {
    const Split before(randomSignal(12, 5));
    for (int n : {-4, 0, 1, 2, 3, 6, 12}) {
        Split s = before;
        EXPECT_EQ(fft(s.x.data(), s.y.data(), n, kForward), 1) << n;
        EXPECT_TRUE(s.x == before.x && s.y == before.y) << n;
    }
}

}  // namespace

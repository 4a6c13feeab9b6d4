#include "dsp/fft.h"

#include <fftw3.h>
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "dsp/fft_passes.h"

namespace {

using Complex = std::complex<double>;
using Signal = std::vector<Complex>;
constexpr int kForward = 0;
constexpr int kInverse = 1;

Signal random_signal(int n, unsigned seed) {
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

// FFTW's sign convention matches ours; its forward direction does not scale.
Signal oracle(Signal in, int flag) {
    const int n = static_cast<int>(in.size());
    Signal out(n);
    fftw_plan plan = fftw_plan_dft_1d(
        n, reinterpret_cast<fftw_complex*>(in.data()), reinterpret_cast<fftw_complex*>(out.data()),
        flag == kForward ? FFTW_FORWARD : FFTW_BACKWARD, FFTW_ESTIMATE);
    fftw_execute(plan);
    fftw_destroy_plan(plan);
    if (flag == kForward) {
        for (Complex& v : out) v /= n;
    }
    return out;
}

// Largest error relative to the largest expected value, in units of eps * log2(n).
double relative_error(const Split& got, const Signal& want) {
    double error = 0, scale = 0;
    for (size_t i = 0; i < want.size(); i++) {
        error = std::max(error, std::abs(Complex{got.x[i], got.y[i]} - want[i]));
        scale = std::max(scale, std::abs(want[i]));
    }
    return error / (scale * std::numeric_limits<double>::epsilon() * std::log2(want.size()));
}

class FftSize : public testing::TestWithParam<int> {};

TEST_P(FftSize, MatchesFftwInBothDirections) {
    for (int flag : {kForward, kInverse}) {
        const Signal input = random_signal(GetParam(), 100 + flag);
        Split s(input);
        ASSERT_EQ(s.transform(flag), 0);
        EXPECT_LE(relative_error(s, oracle(input, flag)), 2.0) << "flag " << flag;
    }
}

TEST_P(FftSize, ForwardThenInverseGivesTheInputBack) {
    const Signal input = random_signal(GetParam(), 7);
    Split s(input);
    ASSERT_EQ(s.transform(kForward), 0);
    ASSERT_EQ(s.transform(kInverse), 0);
    EXPECT_LE(relative_error(s, input), 4.0);
}

// The blocked kernels only reorder independent butterflies, so any difference from the
// literal loop order, however small, is a fault.
TEST_P(FftSize, AllKernelsAgreeBitForBit) {
    const int n = GetParam();
    std::vector<double> sintbl(n + n / 4);
    std::vector<int> bitrev(n);
    make_sintbl(n, sintbl.data());
    make_bitrev(n, bitrev.data());
    const sefaro::dsp::FftTables tables{sintbl.data(), bitrev.data()};
    for (bool forward : {true, false}) {
        const Split input(random_signal(n, 3));
        Split want = input, blocked = input, avx2 = input;
        sefaro::dsp::fft_passes_reference(want.x.data(), want.y.data(), n, tables, forward);
        sefaro::dsp::fft_passes_blocked(blocked.x.data(), blocked.y.data(), n, tables, forward);
        EXPECT_TRUE(blocked.x == want.x && blocked.y == want.y) << "forward " << forward;
        if (sefaro::dsp::fft_passes_blocked_avx2(avx2.x.data(), avx2.y.data(), n, tables,
                                                 forward)) {
            EXPECT_TRUE(avx2.x == want.x && avx2.y == want.y) << "forward " << forward;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PowersOfTwo, FftSize,
                         testing::Values(4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096));

struct Tone {
    int n, bin;
};

class FftTone : public testing::TestWithParam<Tone> {};

// e^(+2*pi*i*m*j/n) lands in bin m alone: the forward kernel's sign, the 1/n and the bin
// layout. Bin 0 is a constant.
TEST_P(FftTone, ComplexExponentialLandsInItsBin) {
    const auto [n, m] = GetParam();
    Signal tone(n);
    for (int j = 0; j < n; j++) tone[j] = std::polar(1.0, 2 * std::numbers::pi * (m * j % n) / n);
    Split s(tone);
    ASSERT_EQ(s.transform(kForward), 0);
    for (int k = 0; k < n; k++) {
        EXPECT_NEAR(s.x[k], k == m ? 1.0 : 0.0, 1e-14) << k;
        EXPECT_NEAR(s.y[k], 0.0, 1e-14) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Bins, FftTone,
                         testing::Values(Tone{4, 1}, Tone{8, 7}, Tone{64, 5}, Tone{1024, 0},
                                         Tone{1024, 3}, Tone{4096, 2047}));

class FftBadSize : public testing::TestWithParam<int> {};

TEST_P(FftBadSize, IsRefusedWithArraysUntouched) {
    const Split before(random_signal(12, 5));
    Split s = before;
    EXPECT_EQ(fft(s.x.data(), s.y.data(), GetParam(), kForward), 1);
    EXPECT_TRUE(s.x == before.x && s.y == before.y);
}

INSTANTIATE_TEST_SUITE_P(NotPowersOfTwoAtLeastFour, FftBadSize,
                         testing::Values(-4, 0, 1, 2, 3, 6, 12));

}  // namespace

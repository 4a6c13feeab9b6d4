#include "dsp/fft.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "dsp/fft_passes.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kHalfPi = kPi / 2;
constexpr double kTwoPi = 2 * kPi;
constexpr double kFourPi = 4 * kPi;
// Below this power a bin's angle is rounding noise; its phase is reported as 0.
constexpr double kPhaseFloor = 1e-16;

enum WindowType { kHamming = 1, kHann = 2, kBlackman = 3 };

bool isFftSize(int n) {
    return n >= 4 && (n & (n - 1)) == 0;
}

}  // namespace

void make_sintbl(int n, double* sintbl) {
    const int n2 = n / 2, n4 = n / 4, n8 = n / 8;
    // Extended precision keeps the recurrence's drift below the rounding of the stored
    // entries, so every entry is within an ulp of the true sine at every size.
    long double t = std::sin(kPi / n);
    long double dc = 2 * t * t;
    long double ds = std::sqrt(dc * (2 - dc));
    t = 2 * dc;
    long double c = sintbl[n4] = 1;
    long double s = sintbl[0] = 0;
    for (int i = 1; i < n8; i++) {
        c -= dc;
        dc += t * c;
        s += ds;
        ds -= t * s;
        sintbl[i] = static_cast<double>(s);
        sintbl[n4 - i] = static_cast<double>(c);
    }
    if (n8 != 0) sintbl[n8] = std::sqrt(0.5);
    for (int i = 0; i < n4; i++) sintbl[n2 - i] = sintbl[i];
    // The last quarter period reads back entries this same loop wrote.
    for (int i = 0; i < n2 + n4; i++) sintbl[n2 + i] = -sintbl[i];
}

void make_bitrev(int n, int* bitrev) {
    // Setting bit m of an index below m sets bit n/(2m) of its reversal: each doubling of
    // the table is the table so far plus that bit, with no branch to mispredict.
    bitrev[0] = 0;
    for (int m = 1, reversed_bit = n / 2; m < n; m *= 2, reversed_bit /= 2) {
        for (int i = 0; i < m; i++) bitrev[m + i] = bitrev[i] + reversed_bit;
    }
}

int fft(double* x, double* y, int n, int flag) {
    if (!isFftSize(n)) return 1;
    auto* sintbl = static_cast<double*>(std::malloc(sizeof(double) * (n + n / 4)));
    auto* bitrev = static_cast<int*>(std::malloc(sizeof(int) * n));
    if (sintbl == nullptr || bitrev == nullptr) {
        std::free(sintbl);
        std::free(bitrev);
        return 1;
    }
    make_sintbl(n, sintbl);
    make_bitrev(n, bitrev);
    sefaro::dsp::fftPasses(x, y, n, {sintbl, bitrev}, flag == 0);
    std::free(bitrev);
    std::free(sintbl);
    return 0;
}

void WindowFunction(double* data, long n, int type) {
    if (type != kHamming && type != kHann && type != kBlackman) return;
    // One point is its own middle, where every window weighs 1.
    if (n == 1) return;
    const double last = static_cast<double>(n - 1);
    for (long i = 0; i < n; i++) {
        const double cos_theta = std::cos((static_cast<double>(i) * kTwoPi) / last);
        double w;
        if (type == kHamming) {
            w = 0.54 - 0.46 * cos_theta;
        } else if (type == kHann) {
            w = 0.5 - 0.5 * cos_theta;
        } else {
            const double cos_phi = std::cos((static_cast<double>(i) * kFourPi) / last);
            w = (0.42 - 0.5 * cos_theta) + 0.08 * cos_phi;
        }
        data[i] = w * data[i];
    }
}

void PowAndPhs(double* re, double* im, double* power, double* phase, long n, long* half) {
    *half = n / 2;
    for (long i = 0; i < n; i++) {
        power[i] = im[i] * im[i] + re[i] * re[i];
        if (power[i] <= kPhaseFloor) {
            phase[i] = 0;
        } else if (re[i] > 0) {
            phase[i] = std::atan(im[i] / re[i]);
        } else if (re[i] < 0) {
            // atan gives the right half-plane only; turn by pi and wrap into (-pi, pi].
            double p = std::atan(im[i] / re[i]) + kPi;
            if (p > kPi) p -= kTwoPi;
            phase[i] = p;
        } else {
            phase[i] = im[i] > 0 ? kHalfPi : -kHalfPi;
        }
    }
}

void logPlus1(double* data, long n) {
    for (long i = 0; i < n; i++) data[i] = std::log(1 + data[i]);
}

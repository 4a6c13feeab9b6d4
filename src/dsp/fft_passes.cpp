#include "dsp/fft_passes.h"

#include <utility>

namespace sefaro::dsp {

void fftPassesReference(double* x, double* y, int n, FftTables t, bool forward) {
    for (int i = 0; i < n; i++) {
        const int j = t.bitrev[i];
        if (i < j) {
            std::swap(x[i], x[j]);
            std::swap(y[i], y[j]);
        }
    }
    for (int k = 1; k < n; k *= 2) {
        const int k2 = 2 * k, d = n / k2;
        for (int j = 0, h = 0; j < k; j++, h += d) {
            const double c = t.sintbl[h + n / 4];
            const double s = forward ? t.sintbl[h] : -t.sintbl[h];
            for (int i = j; i < n; i += k2) {
                const int ik = i + k;
                const double dx = s * y[ik] + c * x[ik];
                const double dy = c * y[ik] - s * x[ik];
                x[ik] = x[i] - dx;
                x[i] += dx;
                y[ik] = y[i] - dy;
                y[i] += dy;
            }
        }
    }
    if (forward) {
        for (int i = 0; i < n; i++) {
            x[i] /= n;
            y[i] /= n;
        }
    }
}

void fftPasses(double* x, double* y, int n, FftTables t, bool forward) {
    if (!fftPassesBlockedAvx2(x, y, n, t, forward)) fftPassesBlocked(x, y, n, t, forward);
}

}  // namespace sefaro::dsp

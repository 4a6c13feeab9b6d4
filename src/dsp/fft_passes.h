#pragma once

// The permutation and butterfly passes of fft(), run once its two tables are built, and
// the division by n of a forward transform. Internal to dsp/.
//
// Every kernel performs the same butterflies on the same values with the same twiddles;
// they differ only in the order the independent butterflies run and in vector width, so
// their results agree bit for bit. n is a power of two, at least 4.

namespace sefaro::dsp {

struct FftTables {
    const double* sintbl;  // n + n/4 entries
    const int* bitrev;     // n entries
};

// Permutation first, then one sweep of the whole array per pass, twiddle index outer.
void fftPassesReference(double* x, double* y, int n, FftTables tables, bool forward);
// Permutation fused with the first two passes, then two passes per sweep, four twiddles
// at a time; built for the baseline instruction set.
void fftPassesBlocked(double* x, double* y, int n, FftTables tables, bool forward);
// The blocked kernel built for AVX2. Returns false, doing nothing, on a processor without it.
bool fftPassesBlockedAvx2(double* x, double* y, int n, FftTables tables, bool forward);
// The fastest of the above that this processor runs.
void fftPasses(double* x, double* y, int n, FftTables tables, bool forward);

}  // namespace sefaro::dsp

#include <cstring>

#include "dsp/fft_passes.h"

namespace sefaro::dsp {
namespace {

// Vector extensions that GCC and Clang share: one source serves the baseline build and
// the AVX2 build, with either compiler.
using v4d = double __attribute__((vector_size(32)));

#define SEFARO_INLINE [[gnu::always_inline]] inline

SEFARO_INLINE void load(v4d& v, const double* p) {
    std::memcpy(&v, p, sizeof v);
}
SEFARO_INLINE void store(double* p, const v4d& v) {
    std::memcpy(p, &v, sizeof v);
}
SEFARO_INLINE void broadcast(v4d& v, double d) {
    v = v4d{d, d, d, d};
}

struct Twiddles {
    v4d c, s;
};

// Four twiddles at sine-table indices h0, h0 + stride, ...: cosine a quarter period on.
SEFARO_INLINE Twiddles loadTwiddles(const double* sintbl, int n, int h0, int stride, bool forward) {
    const double* s = sintbl + h0;
    const double* c = s + n / 4;
    Twiddles w;
    if (stride == 1) {
        load(w.c, c);
        load(w.s, s);
    } else {
        w.c = v4d{c[0], c[stride], c[2 * stride], c[3 * stride]};
        w.s = v4d{s[0], s[stride], s[2 * stride], s[3 * stride]};
    }
    if (!forward) w.s = -w.s;
    return w;
}

// b is multiplied by c - i*s, then added to and subtracted from a.
SEFARO_INLINE void butterfly(v4d& xa, v4d& ya, v4d& xb, v4d& yb, const Twiddles& w) {
    const v4d dx = w.s * yb + w.c * xb;
    const v4d dy = w.c * yb - w.s * xb;
    xb = xa - dx;
    xa = xa + dx;
    yb = ya - dy;
    ya = ya + dy;
}

SEFARO_INLINE void transpose(v4d& r0, v4d& r1, v4d& r2, v4d& r3) {
    const v4d t0 = __builtin_shufflevector(r0, r1, 0, 4, 2, 6);
    const v4d t1 = __builtin_shufflevector(r0, r1, 1, 5, 3, 7);
    const v4d t2 = __builtin_shufflevector(r2, r3, 0, 4, 2, 6);
    const v4d t3 = __builtin_shufflevector(r2, r3, 1, 5, 3, 7);
    r0 = __builtin_shufflevector(t0, t2, 0, 1, 4, 5);
    r1 = __builtin_shufflevector(t1, t3, 0, 1, 4, 5);
    r2 = __builtin_shufflevector(t0, t2, 2, 3, 6, 7);
    r3 = __builtin_shufflevector(t1, t3, 2, 3, 6, 7);
}

// Sixteen points of each array: four rows n/4 apart, four consecutive points per row.
// Index [a: 2 bits][m][b: 2 bits] moves to [rev b][rev m][rev a], so the block at m trades
// places with the block at rev m, transposed: lane b of row a becomes point rev a of the
// four-point group that lands in row rev b. Members are named by that point.
struct Block {
    v4d x0, x1, x2, x3, y0, y1, y2, y3;
};

SEFARO_INLINE void loadBlock(Block& b, const double* x, const double* y, int n4, int m) {
    x += 4 * m, y += 4 * m;
    load(b.x0, x), load(b.x2, x + n4), load(b.x1, x + 2 * n4), load(b.x3, x + 3 * n4);
    load(b.y0, y), load(b.y2, y + n4), load(b.y1, y + 2 * n4), load(b.y3, y + 3 * n4);
}

// The first two passes stay inside four-point groups, which are the lanes here; the
// transpose then makes each group a row.
SEFARO_INLINE void firstTwoPasses(Block& b, const Twiddles& w0, const Twiddles& wq) {
    butterfly(b.x0, b.y0, b.x1, b.y1, w0);
    butterfly(b.x2, b.y2, b.x3, b.y3, w0);
    butterfly(b.x0, b.y0, b.x2, b.y2, w0);
    butterfly(b.x1, b.y1, b.x3, b.y3, wq);
    transpose(b.x0, b.x1, b.x2, b.x3);
    transpose(b.y0, b.y1, b.y2, b.y3);
}

SEFARO_INLINE void storeBlock(double* x, double* y, int n4, int m, const Block& b) {
    x += 4 * m, y += 4 * m;
    store(x, b.x0), store(x + 2 * n4, b.x1), store(x + n4, b.x2), store(x + 3 * n4, b.x3);
    store(y, b.y0), store(y + 2 * n4, b.y1), store(y + n4, b.y2), store(y + 3 * n4, b.y3);
}

// Blocks go even m first, then odd m. The imaginary array often starts just past a
// multiple of 4 KiB from the real one (two equal allocations in a row); loads are matched
// against pending stores by their low address bits, so a load next to a vector just
// stored in the other array waits for that store. Skipping a neighbour avoids it.
SEFARO_INLINE void permuteAndFirstTwoPasses(double* x, double* y, int n, FftTables t,
                                            bool forward) {
    const int n4 = n / 4;
    Twiddles w0, wq;  // twiddle index 0 for both passes, n/4 for the second
    broadcast(w0.c, t.sintbl[n4]);
    broadcast(w0.s, forward ? t.sintbl[0] : -t.sintbl[0]);
    broadcast(wq.c, t.sintbl[n4 + n4]);
    broadcast(wq.s, forward ? t.sintbl[n4] : -t.sintbl[n4]);
    for (int first = 0; first < 2; first++) {
        for (int m = first; m < n / 16; m += 2) {
            const int mr = t.bitrev[4 * m] / 4;
            if (mr < m) continue;
            Block a, b;
            loadBlock(a, x, y, n4, m);
            if (mr == m) {
                firstTwoPasses(a, w0, wq);
            } else {
                loadBlock(b, x, y, n4, mr);
                firstTwoPasses(a, w0, wq);
                firstTwoPasses(b, w0, wq);
                storeBlock(x, y, n4, m, b);
            }
            storeBlock(x, y, n4, mr, a);
        }
    }
}

struct Passes {
    const double* sintbl;
    int n;
    bool forward;
    v4d inv_n;  // 1/n is exact for a power of two, so the product equals the division
};

// Passes k and 2k on the four points i, i + k, i + 2k, i + 3k: two butterflies of pass k,
// then two of pass 2k.
SEFARO_INLINE void fourPoints(double* x, double* y, int i, int k, const Twiddles& w1,
                              const Twiddles& w2, const Twiddles& w3, bool scale,
                              const v4d& inv_n) {
    v4d x0, x1, x2, x3, y0, y1, y2, y3;
    load(x0, x + i), load(x1, x + i + k), load(x2, x + i + 2 * k), load(x3, x + i + 3 * k);
    load(y0, y + i), load(y1, y + i + k), load(y2, y + i + 2 * k), load(y3, y + i + 3 * k);
    butterfly(x0, y0, x1, y1, w1);
    butterfly(x2, y2, x3, y3, w1);
    butterfly(x0, y0, x2, y2, w2);
    butterfly(x1, y1, x3, y3, w3);
    if (scale) {
        x0 *= inv_n, x1 *= inv_n, x2 *= inv_n, x3 *= inv_n;
        y0 *= inv_n, y1 *= inv_n, y2 *= inv_n, y3 *= inv_n;
    }
    store(x + i, x0), store(x + i + k, x1), store(x + i + 2 * k, x2), store(x + i + 3 * k, x3);
    store(y + i, y0), store(y + i + k, y1), store(y + i + 2 * k, y2), store(y + i + 3 * k, y3);
}

SEFARO_INLINE void twoPassTwiddles(Twiddles& w1, Twiddles& w2, Twiddles& w3, const Passes& p, int k,
                                   int j) {
    const int d1 = p.n / (2 * k), d2 = d1 / 2;
    w1 = loadTwiddles(p.sintbl, p.n, j * d1, d1, p.forward);
    w2 = loadTwiddles(p.sintbl, p.n, j * d2, d2, p.forward);
    // Index (j + k) * d2 lies a quarter period past j * d2: the table holds its cosine as
    // the negated sine there and its sine as the cosine, so no load is needed.
    w3.c = p.forward ? -w2.s : w2.s;
    w3.s = p.forward ? w2.c : -w2.c;
}

// Passes k and 2k over points [0, len). For small k one twiddle serves many groups and is
// loaded once. For large k the groups of one twiddle lie kilobytes apart and collide in
// the low address bits, so groups go by neighbouring twiddles, every other vector first
// as in the permutation. The switch-over was measured.
SEFARO_INLINE void twoPasses(double* x, double* y, int len, int k, const Passes& p) {
    const bool scale = p.forward && 4 * k == p.n;
    Twiddles w1, w2, w3;
    if (k < 256) {
        for (int j = 0; j < k; j += 4) {
            twoPassTwiddles(w1, w2, w3, p, k, j);
            for (int i = j; i < len; i += 4 * k) fourPoints(x, y, i, k, w1, w2, w3, scale, p.inv_n);
        }
        return;
    }
    for (int base = 0; base < len; base += 4 * k) {
        for (int first = 0; first < 8; first += 4) {
            for (int j = first; j < k; j += 8) {
                twoPassTwiddles(w1, w2, w3, p, k, j);
                fourPoints(x, y, base + j, k, w1, w2, w3, scale, p.inv_n);
            }
        }
    }
}

// Pass k (at least 8) alone over points [0, len), when an odd number of passes is left.
SEFARO_INLINE void onePass(double* x, double* y, int len, int k, const Passes& p) {
    const bool scale = p.forward && 2 * k == p.n;
    const int d = p.n / (2 * k);
    for (int base = 0; base < len; base += 2 * k) {
        for (int first = 0; first < 8; first += 4) {
            for (int j = first; j < k; j += 8) {
                const Twiddles w = loadTwiddles(p.sintbl, p.n, j * d, d, p.forward);
                const int i = base + j;
                v4d x0, x1, y0, y1;
                load(x0, x + i), load(x1, x + i + k), load(y0, y + i), load(y1, y + i + k);
                butterfly(x0, y0, x1, y1, w);
                if (scale) x0 *= p.inv_n, x1 *= p.inv_n, y0 *= p.inv_n, y1 *= p.inv_n;
                store(x + i, x0), store(x + i + k, x1), store(y + i, y0), store(y + i + k, y1);
            }
        }
    }
}

// Passes k_first, 2 k_first, ... below k_end over points [0, len), two per sweep.
SEFARO_INLINE void passes(double* x, double* y, int len, int k_first, int k_end, const Passes& p) {
    int k = k_first;
    for (; 4 * k <= k_end; k *= 4) twoPasses(x, y, len, k, p);
    if (k < k_end) onePass(x, y, len, k, p);
}

// Points per stretch that stays in the first-level data cache (16 KiB of both arrays)
// while every pass that works inside it runs.
constexpr int kCachedPoints = 1024;

SEFARO_INLINE void blocked(double* x, double* y, int n, FftTables t, bool forward) {
    if (n < 16) {
        fftPassesReference(x, y, n, t, forward);
        return;
    }
    Passes p{t.sintbl, n, forward, {}};
    broadcast(p.inv_n, 1.0 / n);
    permuteAndFirstTwoPasses(x, y, n, t, forward);
    const int stretch = n < kCachedPoints ? n : kCachedPoints;
    for (int base = 0; base < n; base += stretch)
        passes(x + base, y + base, stretch, 4, stretch, p);
    passes(x, y, n, stretch, n, p);
}

#if defined(__x86_64__) || defined(__i386__)
#define SEFARO_HAVE_AVX2_KERNEL 1
[[gnu::target("avx2")]] void blockedAvx2(double* x, double* y, int n, FftTables t, bool forward) {
    blocked(x, y, n, t, forward);
}
#endif

}  // namespace

void fftPassesBlocked(double* x, double* y, int n, FftTables t, bool forward) {
    blocked(x, y, n, t, forward);
}

bool fftPassesBlockedAvx2(double* x, double* y, int n, FftTables t, bool forward) {
#ifdef SEFARO_HAVE_AVX2_KERNEL
    if (__builtin_cpu_supports("avx2")) {
        blockedAvx2(x, y, n, t, forward);
        return true;
    }
#else
    (void)x, (void)y, (void)n, (void)t, (void)forward;
#endif
    return false;
}

}  // namespace sefaro::dsp

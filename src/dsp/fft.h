#pragma once

// Spectrum of one segment: a radix-2 FFT on split real/imaginary arrays, the window
// applied before it, and the power, phase and log steps applied after it. No state is
// kept between calls; every array belongs to the caller.
//
// fft(x, y, n, flag) transforms the n values x[k] + i*y[k] in place.
//   - n must be a power of two and at least 4; any other n returns 1 and leaves x, y
//     untouched. Otherwise it returns 0, or 1 when a table cannot be allocated.
//   - flag == 0: forward, kernel e^(-2*pi*i*j*k/n), every output divided by n.
//     flag != 0: inverse, kernel e^(+2*pi*i*j*k/n), no scaling. Forward then inverse
//     gives the input back, up to rounding.
//   - Bin k holds k/n cycles per sample: bin 0 is DC (the mean after a forward call),
//     bins above n/2 are the negative frequencies k - n.
// PowAndPhs: power = re^2 + im^2 (no square root), phase = angle of re + i*im in
//   (-pi, pi], or 0 where the power is at most 1e-16. *half = n/2 is stored first.
// WindowFunction types: 1 Hamming, 2 Hann, 3 Blackman, symmetric over n points
//   (denominator n - 1); any other type, or n <= 1, leaves the data unchanged.
// logPlus1: data[i] = ln(1 + data[i]).

// The two tables fft() builds on every call, for n as fft() accepts it. Sine table: n + n/4
// entries sin(2*pi*i/n), so the cosine of an angle is the entry n/4 further on. Bit-reversal
// table: n entries, each its index with the log2(n) bits in reverse order.
void make_sintbl(int n, double* sintbl);
void make_bitrev(int n, int* bitrev);
int fft(double* x, double* y, int n, int flag);

void WindowFunction(double* data, long n, int type);
void PowAndPhs(double* re, double* im, double* power, double* phase, long n, long* half);
void logPlus1(double* data, long n);

#include "dsp/tone_fit.h"

#include <cmath>
#include <limits>

#include "dsp/hamming_kernel.h"

namespace {

using Bins = std::array<std::complex<double>, 3>;

double dot(const Bins& a, const Bins& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i) sum += std::real(std::conj(a[i]) * b[i]);
    return sum;
}

// For a fixed f the model is linear in c = p + iq: p·u + q·v with u = W(j − f) + W(j + f)
// and v = i(W(j − f) − W(j + f)).
struct Columns {
    Bins u, v;
};

Columns columnsAt(double f, long k, long n) {
    Columns columns;
    for (std::size_t i = 0; i < 3; ++i) {
        const double j = double(k - 1) + double(i);
        const std::complex<double> tone = hammingKernel(j - f, n);
        const std::complex<double> mirror = hammingKernel(j + f, n);
        columns.u[i] = tone + mirror;
        columns.v[i] = std::complex<double>(0, 1) * (tone - mirror);
    }
    return columns;
}

struct Projection {
    double p = 0, q = 0;
    double residual = 0;  // Σ|x − p·u − q·v|²
};

Projection project(const Bins& x, const Columns& c) {
    const double uu = dot(c.u, c.u), vv = dot(c.v, c.v), uv = dot(c.u, c.v);
    const double ux = dot(c.u, x), vx = dot(c.v, x);
    const double det = uu * vv - uv * uv;
    Projection fit;
    // At 0 and n/2 tone and mirror coincide and only the in-phase part can be told.
    if (det > 1e-12 * uu * vv) {
        fit.p = (ux * vv - vx * uv) / det;
        fit.q = (vx * uu - ux * uv) / det;
    } else if (uu > 0) {
        fit.p = ux / uu;
    }
    for (std::size_t i = 0; i < x.size(); ++i)
        fit.residual += std::norm(x[i] - fit.p * c.u[i] - fit.q * c.v[i]);
    return fit;
}

// Brent's minimisation on [a, b]: golden sections, sped up by parabolas where they behave.
template <class F>
double minimumOn(F f, double a, double b, double tolerance) {
    const double golden = 0.5 * (3 - std::sqrt(5.0));
    const double relative = std::sqrt(std::numeric_limits<double>::epsilon());
    double x = a + golden * (b - a), w = x, v = x;
    double fx = f(x), fw = fx, fv = fx;
    double d = 0, e = 0;
    for (int iteration = 0; iteration < 100; ++iteration) {
        const double middle = 0.5 * (a + b);
        const double tol1 = relative * std::abs(x) + tolerance / 3;
        const double tol2 = 2 * tol1;
        if (std::abs(x - middle) <= tol2 - 0.5 * (b - a)) break;
        double p = 0, q = 0, r = 0;
        if (std::abs(e) > tol1) {
            r = (x - w) * (fx - fv);
            q = (x - v) * (fx - fw);
            p = (x - v) * q - (x - w) * r;
            q = 2 * (q - r);
            if (q > 0) p = -p;
            q = std::abs(q);
            r = e;
            e = d;
        }
        if (std::abs(p) < std::abs(0.5 * q * r) && p > q * (a - x) && p < q * (b - x)) {
            d = p / q;
            if (x + d - a < tol2 || b - (x + d) < tol2) d = x < middle ? tol1 : -tol1;
        } else {
            e = (x < middle ? b : a) - x;
            d = golden * e;
        }
        const double u = x + (std::abs(d) >= tol1 ? d : (d > 0 ? tol1 : -tol1));
        const double fu = f(u);
        if (fu <= fx) {
            (u < x ? b : a) = x;
            v = w, fv = fw, w = x, fw = fx, x = u, fx = fu;
        } else {
            (u < x ? a : b) = u;
            if (fu <= fw || w == x) {
                v = w, fv = fw, w = u, fw = fu;
            } else if (fu <= fv || v == x || v == w) {
                v = u, fv = fu;
            }
        }
    }
    return x;
}

// The Hamming window makes the noise of neighbouring bins correlate: w² has the Fourier
// coefficients a² + b²/2, −ab and b²/4 (a = 0.54, b = 0.46), so bins one apart share −0.625
// of their noise and bins two apart 0.133.
constexpr std::array kBinCorrelation = {1.0, -0.2484 / 0.3974, 0.0529 / 0.3974};

// dot(a, b) with the noise's correlation between the bins.
double correlatedDot(const Bins& a, const Bins& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) {
            const std::size_t apart = i > j ? i - j : j - i;
            sum += kBinCorrelation[apart] * std::real(std::conj(a[i]) * b[j]);
        }
    }
    return sum;
}

// The least squares' standard error of f, J being the model's derivatives by f, p and q:
// √ of the (f, f) entry of (JᵀJ)⁻¹·JᵀΣJ·(JᵀJ)⁻¹, Σ the noise's covariance, of which each
// real and imaginary part carries half.
double frequencyError(const Bins& df, const Columns& c, double noise_power) {
    const double ff = dot(df, df), fu = dot(df, c.u), fv = dot(df, c.v);
    const double uu = dot(c.u, c.u), vv = dot(c.v, c.v), uv = dot(c.u, c.v);
    const double minor = uu * vv - uv * uv;
    const double det = ff * minor - fu * (fu * vv - uv * fv) + fv * (fu * uv - uu * fv);
    if (!(det > 0) || !(minor > 0)) return std::numeric_limits<double>::infinity();
    // The first row of (JᵀJ)⁻¹, as J's columns combined: how f answers to each bin.
    const double rf = minor / det, ru = (uv * fv - fu * vv) / det, rv = (fu * uv - uu * fv) / det;
    Bins response;
    for (std::size_t i = 0; i < response.size(); ++i)
        response[i] = rf * df[i] + ru * c.u[i] + rv * c.v[i];
    return std::sqrt(0.5 * noise_power * correlatedDot(response, response));
}

}  // namespace

ToneFit fitTone(const Bins& values, long k, long n, double noise_power) {
    const auto residual = [&](double offset) {
        return project(values, columnsAt(double(k) + offset, k, n)).residual;
    };
    constexpr double kToleranceBins = 1e-10;
    const double f = double(k) + minimumOn(residual, -1, 1, kToleranceBins);
    const Columns columns = columnsAt(f, k, n);
    const Projection fit = project(values, columns);

    // The model's derivative by f, by central differences with c held.
    constexpr double kStepBins = 1e-5;
    const Columns above = columnsAt(f + kStepBins, k, n), below = columnsAt(f - kStepBins, k, n);
    Bins slope;
    for (std::size_t i = 0; i < slope.size(); ++i) {
        slope[i] = (fit.p * (above.u[i] - below.u[i]) + fit.q * (above.v[i] - below.v[i])) /
                   (2 * kStepBins);
    }
    return {f, 2 * std::hypot(fit.p, fit.q), frequencyError(slope, columns, noise_power)};
}

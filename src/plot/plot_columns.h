#pragma once

// Where the curves put their points, column by column. With W the area's width, the margin
// mx = 3W/100 and span = W − 2mx, point i of count lies at x = mx + i / (count / span),
// truncated: the curves and everything that names what lies under a column use this one
// formula, so they agree to the pixel.
struct PlotColumns {
    int mx = 0;
    int span = 0;
    long count = 0;
};

PlotColumns plotColumns(unsigned short width, long count);

// The unrounded x of point i, as the curves compute it; values_per_pixel = count / span.
inline double pointX(int mx, double values_per_pixel, long i) {
    return mx + static_cast<double>(i) / values_per_pixel;
}

// The column of point i (0 ≤ i ≤ count). Needs span > 0 and count > 0.
int pointColumn(const PlotColumns& columns, long i);

// The first point drawn at column x or to its right, ⌈(x − mx)·count/span⌉ as the curves
// place points: at most 0 left of the first point, count right of the last one.
long firstPointFrom(const PlotColumns& columns, int x);

// The first point drawn at column x, or −1 when none is (a margin, or a column that the
// curve passes between two points when it has fewer points than columns).
long pointAtColumn(const PlotColumns& columns, int x);

#pragma once

#include <cmath>

// Where the curves put their points, column by column: the one mapping that the curves, the
// ticks and everything that names what lies under a column use, so that they agree to the
// pixel. With W the area's width, the margin mx = 3W/100 and span = W − 2mx, the points
// first … last lie across the plot, from x = mx to mx + span:
//   linear:       x = mx + (i − first) / ((last − first) / span)
//   logarithmic:  x = mx + ln(i / first) / (ln(last / first) / span)
// The whole plot shows points 0 … count: point i at mx + i / (count / span), the last one a
// step short of the right margin.

// The points that lie at the plot's left and right edges; on a logarithmic axis first > 0.
struct PointRange {
    double first = 0;
    double last = 0;
    bool logarithmic = false;
};

struct PlotColumns {
    int mx = 0;
    int span = 0;
    long count = 0;
    double first = 0;      // the point at x = mx
    double per_pixel = 0;  // points a pixel (on a logarithmic axis, ln units of them)
    bool logarithmic = false;
};

// count points over the whole plot, 0 … count.
PlotColumns plotColumns(unsigned short width, long count);
// count points of which range lies across the plot.
PlotColumns plotColumns(unsigned short width, long count, const PointRange& range);

// The unrounded x of point i; −∞ for point 0 on a logarithmic axis. Inline: the curves' inner
// loops call it for every point.
inline double pointX(const PlotColumns& columns, double i) {
    return columns.logarithmic ? columns.mx + std::log(i / columns.first) / columns.per_pixel
                               : columns.mx + (i - columns.first) / columns.per_pixel;
}

// The column of point i (0 ≤ i ≤ count): x truncated, held within ±1 000 000. Needs span > 0
// and count > 0.
int pointColumn(const PlotColumns& columns, long i);

// The first point drawn at column x or to its right: 0 when every point is, count when none.
long firstPointFrom(const PlotColumns& columns, int x);

// The points drawn inside the frame, from column mx to mx + span: first … end − 1.
struct PointSpan {
    long first = 0;
    long end = 0;
};
PointSpan pointsInside(const PlotColumns& columns);

// The first point drawn at column x, or −1 when none is (a margin, or a column that the
// curve passes between two points when it has fewer points than columns).
long pointAtColumn(const PlotColumns& columns, int x);

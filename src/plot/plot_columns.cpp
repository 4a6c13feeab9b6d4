#include "plot/plot_columns.h"

#include <algorithm>
#include <cmath>

PlotColumns plotColumns(unsigned short width, long count) {
    return plotColumns(width, count, {0, static_cast<double>(count), false});
}

PlotColumns plotColumns(unsigned short width, long count, const PointRange& range) {
    const int mx = 3 * width / 100;
    const int span = width - 2 * mx;
    const double extent =
        range.logarithmic ? std::log(range.last / range.first) : range.last - range.first;
    return {mx, span, count, range.first, span > 0 ? extent / span : 0, range.logarithmic};
}

int pointColumn(const PlotColumns& columns, long i) {
    constexpr double kFarthest = 1e6;
    const double x = pointX(columns, static_cast<double>(i));
    return std::isnan(x) ? -static_cast<int>(kFarthest)
                         : static_cast<int>(std::clamp(x, -kFarthest, kFarthest));
}

// Columns grow with the point's index, so the first one at x or right of it is found by
// halving, on the very columns the curves draw at.
long firstPointFrom(const PlotColumns& columns, int x) {
    if (columns.span <= 0 || columns.count <= 0) return 0;
    long low = 0, high = columns.count;  // the first point at x or right of it is in low … high
    while (low < high) {
        const long middle = low + (high - low) / 2;
        if (pointColumn(columns, middle) < x) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

PointSpan pointsInside(const PlotColumns& columns) {
    return {firstPointFrom(columns, columns.mx),
            firstPointFrom(columns, columns.mx + columns.span + 1)};
}

long pointAtColumn(const PlotColumns& columns, int x) {
    if (columns.span <= 0 || columns.count <= 0) return -1;
    const long i = firstPointFrom(columns, x);
    return i < columns.count && pointColumn(columns, i) == x ? i : -1;
}

#include "plot/plot_columns.h"

PlotColumns plotColumns(unsigned short width, long count) {
    const int mx = 3 * width / 100;
    return {mx, width - 2 * mx, count};
}

int pointColumn(const PlotColumns& columns, long i) {
    const double values_per_pixel = static_cast<double>(columns.count) / columns.span;
    return static_cast<int>(pointX(columns.mx, values_per_pixel, i));
}

long firstPointFrom(const PlotColumns& columns, int x) {
    if (columns.span <= 0 || columns.count <= 0) return 0;
    const long long offset = static_cast<long long>(x) - columns.mx;
    if (offset <= 0) return 0;
    const long long scaled = offset * columns.count;
    long i = static_cast<long>((scaled + columns.span - 1) / columns.span);
    if (i > columns.count) i = columns.count;
    // The curves divide in floating point: settle the exact quotient on their columns.
    while (i > 0 && pointColumn(columns, i - 1) >= x) --i;
    while (i < columns.count && pointColumn(columns, i) < x) ++i;
    return i;
}

long pointAtColumn(const PlotColumns& columns, int x) {
    if (columns.span <= 0 || columns.count <= 0) return -1;
    const long i = firstPointFrom(columns, x);
    return i < columns.count && pointColumn(columns, i) == x ? i : -1;
}

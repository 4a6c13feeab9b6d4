#include "toolkit/WSDdev.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
constexpr uint32_t kWhite = 0xffffffffu;
constexpr double kLeastRatio = 0.125, kLargestRatio = 8;
constexpr double kLargestDeviceLength = 32767;
// Products such as 3 × 1.1 come out a hair above the whole number they stand for.
constexpr double kRoundingSlack = 1e-9;
}  // namespace

double usablePixelRatio(double ratio) {
    return ratio >= kLeastRatio && ratio <= kLargestRatio ? ratio : 1;
}

unsigned short deviceLength(unsigned short length, double ratio) {
    const double pixels = std::ceil(length * usablePixelRatio(ratio) - kRoundingSlack);
    return static_cast<unsigned short>(std::clamp(pixels, 0.0, kLargestDeviceLength));
}

void WSDdev::setSize(unsigned short width, unsigned short height, double ratio) {
    ratio_ = usablePixelRatio(ratio);
    width_ = deviceLength(width, ratio_);
    height_ = deviceLength(height, ratio_);
    pixels_.assign(std::size_t{width_} * height_, kWhite);
    notifyChanged();
}

bool WSDdev::hasSize(unsigned short width, unsigned short height, double ratio) const {
    return ratio_ == usablePixelRatio(ratio) && width_ == deviceLength(width, ratio) &&
           height_ == deviceLength(height, ratio);
}

void WSDdev::beginDraw(short, short, unsigned short, unsigned short, long, long) {}

// Integer Bresenham over the whole segment. When both ends lie inside the picture every
// point does too and the loop stores without checks; otherwise each point is checked, so
// a segment reaching far outside (a curve beyond its scale) still draws its visible part
// exactly where the unclipped line would be.
void WSDdev::drawLine(short x1, short y1, short x2, short y2) {
    int x = x1, y = y1;
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    const int w = width_, h = height_;
    const std::ptrdiff_t row_step = sy * std::ptrdiff_t{w};
    const bool inside =
        x1 >= 0 && x1 < w && y1 >= 0 && y1 < h && x2 >= 0 && x2 < w && y2 >= 0 && y2 < h;
    int err = dx + dy;
    if (inside) {
        uint32_t* p = pixels_.data() + std::ptrdiff_t{y} * w + x;
        // A curve with many values per pixel column is mostly vertical steps: those, and
        // horizontal runs, need no error term.
        if (dx == 0) {
            for (int i = 0; i <= -dy; ++i, p += row_step) *p = fore_color_;
            return;
        }
        if (dy == 0) {
            std::fill_n(x1 < x2 ? p : p - dx, dx + 1, fore_color_);
            return;
        }
        for (;;) {
            *p = fore_color_;
            if (x == x2 && y == y2) break;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x += sx;
                p += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y += sy;
                p += row_step;
            }
        }
        return;
    }
    for (;;) {
        if (x >= 0 && x < w && y >= 0 && y < h) pixels_[std::size_t(y) * w + x] = fore_color_;
        if (x == x2 && y == y2) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void WSDdev::copyImage(WSDdev* target, short sx, short sy, unsigned short width,
                       unsigned short height, short dx, short dy) const {
    if (!target) return;
    // The columns that lie inside both pictures, the same for every row.
    const int first_col = std::max({0, -sx, -dx});
    const int end_col = std::min({int{width}, width_ - sx, target->width_ - dx});
    if (first_col < end_col) {
        for (int row = 0; row < height; ++row) {
            const int from_y = sy + row, to_y = dy + row;
            if (from_y < 0 || from_y >= height_ || to_y < 0 || to_y >= target->height_) continue;
            std::copy_n(
                pixels_.data() + std::size_t(from_y) * width_ + sx + first_col, end_col - first_col,
                target->pixels_.data() + std::size_t(to_y) * target->width_ + dx + first_col);
        }
    }
    target->notifyChanged();
}

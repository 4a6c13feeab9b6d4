#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// The device pixels that length logical pixels take on a screen of that pixel ratio (device
// pixels per logical pixel): ⌈length·ratio⌉, at most 32767 so that every pixel has a 16-bit
// coordinate. A ratio that is not a finite number from 1/8 to 8 counts as 1.
unsigned short deviceLength(unsigned short length, double ratio);
// The ratio as devices take it: the ratio itself, or 1 for one deviceLength refuses.
double usablePixelRatio(double ratio);

// A drawing device: an RGB32 picture (0xffRRGGBB, rows top to bottom) with pixel access,
// aliased one-pixel lines in the drawing colour (black unless set), and copies onto another device.
// Every operation clips to the picture, so no call can write outside it. Coordinates are device
// pixels; the pixel ratio says how many of them a logical pixel of the area shown spans.
class WSDdev {
  public:
    WSDdev() = default;
    virtual ~WSDdev() = default;
    WSDdev(const WSDdev&) = delete;
    WSDdev& operator=(const WSDdev&) = delete;

    // Sizes the picture for width × height logical pixels at ratio device pixels each,
    // deviceLength of both, and paints it white.
    void setSize(unsigned short width, unsigned short height, double ratio = 1);
    // Whether setSize with these would leave the picture's size and ratio as they are.
    bool hasSize(unsigned short width, unsigned short height, double ratio) const;
    double pixelRatio() const { return ratio_; }
    void getGeometry(unsigned short& width, unsigned short& height) const {
        width = width_;
        height = height_;
    }

    void beginPixelAccess() {}
    void setPixel(unsigned short x, unsigned short y, unsigned char red, unsigned char green,
                  unsigned char blue) {
        if (x < width_ && y < height_) {
            pixels_[std::size_t{y} * width_ + x] =
                0xff000000u | (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue;
        }
    }
    // As count setPixel calls from (x, y) rightwards, in one go.
    void setPixelRun(unsigned short x, unsigned short y, unsigned short count, unsigned char red,
                     unsigned char green, unsigned char blue) {
        if (x >= width_ || y >= height_) return;
        std::fill_n(pixels_.begin() + std::ptrdiff_t{y} * width_ + x,
                    std::min<int>(count, width_ - x),
                    0xff000000u | (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue);
    }
    void endPixelAccess() { notifyChanged(); }

    // Opens a drawing pass over (x, y, width, height); the flags are accepted and unused.
    void beginDraw(short x, short y, unsigned short width, unsigned short height, long flag1,
                   long flag2);
    // The colour of the lines drawn from now on; black at first.
    void setForeColor(unsigned char red, unsigned char green, unsigned char blue) {
        fore_color_ = 0xff000000u | (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue;
    }
    // Both end points included.
    void drawLine(short x1, short y1, short x2, short y2);
    void endDraw() { notifyChanged(); }

    // Copies width × height pixels from (sx, sy) of this picture to (dx, dy) of target.
    void copyImage(WSDdev* target, short sx, short sy, unsigned short width, unsigned short height,
                   short dx, short dy) const;

    int width() const { return width_; }
    int height() const { return height_; }
    const uint32_t* bits() const { return pixels_.data(); }
    uint32_t pixel(int x, int y) const { return pixels_[std::size_t(y) * width_ + x]; }

    // Called after each completed drawing, pixel access or copy into this device.
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

  private:
    void notifyChanged() const {
        if (listener_) listener_();
    }

    unsigned short width_ = 0;
    unsigned short height_ = 0;
    double ratio_ = 1;
    std::vector<uint32_t> pixels_;
    uint32_t fore_color_ = 0xff000000u;  // lines are drawn black unless set otherwise
    std::function<void()> listener_;
};

// An off-screen device that a program keeps for its own pictures.
class WSDmwindowDev : public WSDdev {
  public:
    static WSDmwindowDev* getNewInstance() { return new WSDmwindowDev; }
};

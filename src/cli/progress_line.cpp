#include "cli/progress_line.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>

namespace {

constexpr auto kRedrawEvery = std::chrono::milliseconds(100);

}  // namespace

ProgressLine::ProgressLine(std::size_t total)
    : shown_(total > 1 && ::isatty(STDERR_FILENO) == 1), total_(total) {}

ProgressLine::~ProgressLine() {
    clear();
}

void ProgressLine::clear() {
    if (!on_screen_) return;
    std::fputs("\r\x1b[K", stderr);
    std::fflush(stderr);
    on_screen_ = false;
}

void ProgressLine::update(std::size_t done) {
    if (!shown_) return;
    const Clock::time_point now = Clock::now();
    if (done < total_ && on_screen_ && now - last_drawn_ < kRedrawEvery) return;
    last_drawn_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const double per_second = seconds > 0 ? static_cast<double>(done) / seconds : 0;
    std::fprintf(stderr, "\r%zu/%zu files, %.1f files/s", done, total_, per_second);
    if (per_second > 0)
        std::fprintf(stderr, ", %.0f s left",
                     std::ceil(static_cast<double>(total_ - done) / per_second));
    std::fputs("\x1b[K", stderr);
    std::fflush(stderr);
    on_screen_ = true;
}

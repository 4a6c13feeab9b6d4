#pragma once

#include <chrono>
#include <cstddef>

// One line on standard error that keeps being rewritten while a run goes through its
// files: "12/300 files, 41.5 files/s, 7 s left". Shown only when standard error is a
// terminal and there is more than one file, so that logs and pipes get none of it.
class ProgressLine {
  public:
    explicit ProgressLine(std::size_t total);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // Takes the line away, so that a message can be written in its place.
    void clear();
    // Shows that done files are finished; redrawn a few times a second and at the last file.
    void update(std::size_t done);

  private:
    using Clock = std::chrono::steady_clock;
    bool shown_ = false;
    bool on_screen_ = false;
    std::size_t total_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point last_drawn_{};
};

#pragma once

// The window driven in this process next to sefaro-cli run as a program, so that what the
// command prints or draws can be compared with what the window holds after the same
// actions.

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "handlers/scenario.h"
#include "support/cli_run.h"

class CliAndWindow : public Scenario {
  protected:
    CliRun cli(const std::vector<std::string>& args) {
        return runProgram(SEFARO_CLI, args, dir.path());
    }
};

// A sine of that frequency and amplitude, n samples at 44100 Hz.
inline std::vector<int16_t> sine(double frequency_hz, double amplitude, std::size_t n) {
    std::vector<int16_t> samples(n);
    for (std::size_t i = 0; i < n; ++i) {
        samples[i] = static_cast<int16_t>(std::lround(
            amplitude * std::sin(2 * std::numbers::pi * frequency_hz * double(i) / 44100.0)));
    }
    return samples;
}

inline std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

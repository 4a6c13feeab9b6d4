#pragma once

#include <string>

#include "report/spectrum_report.h"

// One object on one line: name, rate, bits, points, size, position, then the arrays
// frequency_hz, log_power and phase_rad. With file, its first key "file" holds it.
std::string spectrumJson(const SpectrumReport& report, const std::string* file = nullptr);

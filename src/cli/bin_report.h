#pragma once

#include <string>

#include "report/spectrum_report.h"

// One object: name, rate, bits, points, size, position, then the arrays frequency_hz,
// log_power and phase_rad; one line.
std::string spectrumJson(const SpectrumReport& report);

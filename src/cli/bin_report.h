#pragma once

#include <string>

#include "cli/json_line.h"
#include "report/reference_columns.h"
#include "report/segment_report.h"

// The keys every JSON object of a segment starts with: file (with file only), then name,
// rate, bits, points, size and position.
JsonObject segmentJson(const SpectrumReport& report, const std::string* file);

// One object on one line: name, rate, bits, points, size, position, then the arrays
// frequency_hz, log_power and phase_rad. With file, its first key "file" holds it.
std::string spectrumJson(const SpectrumReport& report, const std::string* file);

// spectrumJson's object followed by "reference": {"file": reference_file, "position": …} and
// the arrays reference_log_power, reference_phase_rad (beside the spectrum only) and
// difference_db.
std::string referenceJson(ReferenceColumns columns, const SpectrumReport& report,
                          const SpectrumReport& reference, const std::string& reference_file,
                          const std::string* file);

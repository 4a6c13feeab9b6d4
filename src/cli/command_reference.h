#pragma once

#include <optional>
#include <string>

#include "cli/segment_batch.h"
#include "report/reference_columns.h"
#include "report/segment_report.h"

// The reference a command compares each file's segment with: FILE at --reference-position Q
// (the batch's --position when not given), read as the batch reads its files and analysed at
// the batch's size, once for the whole run.

inline constexpr const char* kReferencePositionOption = "reference-position";

// The reference's spectrum. Nothing when the file is refused or its segment does not fit
// there: its messages and reason have then been printed naming it, and exit_code is the
// command's (kExitRefused, or kExitUsage for a position outside the file); the same when
// --reference-position is no whole number, printed as a usage error of command.
std::optional<SpectrumReport> commandReference(const char* command, const SegmentBatch& batch,
                                               const std::string& file, int& exit_code);

// How each file's spectrum is printed beside that reference, read from reference_file, with
// those columns; reference must outlive the printing.
SpectrumPrint referencePrint(ReferenceColumns columns, const SpectrumReport& reference,
                             const std::string& reference_file);

#pragma once

#include <cstddef>
#include <functional>

#include "cli/file_report.h"

// Runs work(0) … work(count − 1) on `workers` threads, the calling one among them, each
// taking the next file from a shared counter, and hands every report to deliver in index
// order, one at a time. When deliver returns false no further file is started. work must be
// safe to run on several threads at once; deliver runs on one of them at a time.
void runInThreads(std::size_t count, unsigned workers,
                  const std::function<FileReport(std::size_t)>& work,
                  const std::function<bool(std::size_t, const FileReport&)>& deliver);

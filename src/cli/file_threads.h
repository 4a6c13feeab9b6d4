#pragma once

#include <cstddef>
#include <functional>

#include "cli/file_report.h"

// Runs work(0) … work(count − 1) on `workers` threads, each taking the next file from a
// shared counter, and hands every report to deliver on the calling thread, in index order,
// as soon as it and all before it are in. When deliver returns false no further file is
// started. One worker runs them on the calling thread. work must be safe to run on several
// threads at once.
void runInThreads(std::size_t count, unsigned workers,
                  const std::function<FileReport(std::size_t)>& work,
                  const std::function<bool(std::size_t, const FileReport&)>& deliver);

#pragma once

#include <cstddef>
#include <functional>

#include "cli/file_report.h"

// Runs work(0) … work(count − 1) in up to `workers` processes forked from this one, each
// doing one file at a time with the next already in hand, and hands every report to
// deliver in index order as soon as it and all before it are in. A worker that dies leaves
// a failed report (kExitFailed, with how it ended) for the file it was on; the file it had
// in hand and those still to do go to the others and to a fresh worker.
// When deliver returns false no further file is started. work runs only in the workers, so
// whatever it builds (the window) never exists in this process; call this before anything
// here has started a thread.
void runInWorkers(std::size_t count, unsigned workers,
                  const std::function<FileReport(std::size_t)>& work,
                  const std::function<bool(std::size_t, const FileReport&)>& deliver);
